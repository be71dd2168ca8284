#include "CliCommand.h"
#include "TemplateDump.h"

#include "document/DesignerDoc.h"

#include <QJsonDocument>

namespace cli {

int RunDump(const QStringList& arguments)
{
    static const char* usage = "dump TEMPLATE.vt [--json]";
    QStringList args = arguments;
    const bool json = TakeFlag(args, QStringLiteral("--json"));
    if (!RejectUnknownOptions(args, usage)) {
        return kExitUsage;
    }
    if (args.size() != 1) {
        PrintError(Tr("usage: ticket-cli %1").arg(QString::fromUtf8(usage)));
        return kExitUsage;
    }
    document::CDesignerDoc doc;
    if (!doc.OnOpenDocument(args.first())) {
        PrintError(Tr("ticket-cli: %1").arg(doc.LastError()));
        return kExitCannotOpen;
    }
    document::ShowAsDesignView(doc);
    const QJsonObject dump = DumpTemplate(doc);
    if (json) {
        PrintOut(QString::fromUtf8(QJsonDocument(dump).toJson(QJsonDocument::Indented)).trimmed());
    } else {
        for (const QString& line : DescribeTemplate(dump)) {
            PrintOut(line);
        }
    }
    return kExitOk;
}

} // namespace cli
