// "encode": the bytes a transaction sends, written to a file instead of the
// printer, with the write boundaries the printer will see.
#include "CliCommand.h"
#include "TemplateLoading.h"

#include "device/ClockTransaction.h"
#include "device/UploadEncoder.h"
#include "document/DesignerDoc.h"

#include <QSaveFile>

namespace cli {

namespace {
constexpr const char* kUsage = "encode upload|print TEMPLATE.vt -o OUT.bin [--buffer-sizes FILE]\n"
                               "       ticket-cli encode clock [--at \"YYYY-MM-DD HH:MM:SS\"] -o OUT.bin "
                               "[--buffer-sizes FILE]";

int Usage()
{
    PrintError(Tr("usage: ticket-cli %1").arg(QString::fromUtf8(kUsage)));
    return kExitUsage;
}

int WriteTransaction(const device::BufferList& list, const QString& out, const QString& sizesPath)
{
    const std::vector<uint8_t> bytes = list.Concatenate();
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) != qint64(bytes.size()) ||
        !file.commit()) {
        PrintError(Tr("ticket-cli: cannot write %1: %2").arg(out, file.errorString()));
        return kExitWriteFailed;
    }
    if (!sizesPath.isEmpty() && !WriteBufferSizes(list, sizesPath)) {
        return kExitWriteFailed;
    }
    return kExitOk;
}
} // namespace

int RunEncode(const QStringList& arguments)
{
    QStringList args = arguments;
    QString out;
    QString sizes;
    QString at;
    if (!TakeOption(args, QStringLiteral("-o"), &out) || !TakeOption(args, QStringLiteral("--buffer-sizes"), &sizes) ||
        !TakeOption(args, QStringLiteral("--at"), &at) || !RejectUnknownOptions(args, kUsage)) {
        return kExitUsage;
    }
    if (args.isEmpty() || out.isEmpty()) {
        return Usage();
    }
    const QString kind = args.takeFirst();
    if (kind == u"clock") {
        QDateTime when;
        if (!args.isEmpty() || !ParseClockArgument(at, &when)) {
            return args.isEmpty() ? kExitUsage : Usage();
        }
        return WriteTransaction(device::BuildClockTransaction(device::ToLocalDateTime(when)), out, sizes);
    }
    if ((kind != u"upload" && kind != u"print") || args.size() != 1 || !at.isEmpty()) {
        return Usage();
    }
    document::CDesignerDoc doc;
    if (const int opened = OpenTemplate(args.first(), doc); opened != kExitOk) {
        return opened;
    }
    const device::BufferList list = kind == u"upload" ? device::EncodeTemplateUpload(*doc.GetForm())
                                                      : device::EncodePrintPage(*doc.GetForm());
    return WriteTransaction(list, out, sizes);
}

} // namespace cli
