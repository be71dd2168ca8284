// A whole template open as ticket-cli dump does it: archive, markup, element
// tree, shown as the design view would, then dumped.
#include "FuzzSupport.h"

#include "TemplateDump.h"
#include "document/DesignerDoc.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>

namespace {

QString g_path;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::StartOffscreenApplication(argc, argv);
    fuzz::SilenceLog();
    // Every input goes through a file, as a user's template does; in memory
    // where the system offers it, so the disk does not set the pace.
    static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                    ? QStringLiteral("/dev/shm/ticket-fuzz-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/ticket-fuzz-XXXXXX"));
    g_path = folder.filePath(QStringLiteral("input.vt"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        QFile file(g_path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
                static_cast<qint64>(size)) {
            abort();
        }
    }
    document::CDesignerDoc doc;
    if (!doc.OnOpenDocument(g_path)) {
        return 0;
    }
    document::ShowAsDesignView(doc);
    const QJsonObject dump = cli::DumpTemplate(doc);
    (void)cli::DescribeTemplate(dump);
    (void)QJsonDocument(dump).toJson();
    return 0;
}
