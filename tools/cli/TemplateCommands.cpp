// "new" and "save": write templates exactly as the designer saves them.
#include "CliCommand.h"

#include "document/DesignerDoc.h"

namespace cli {

namespace {
bool Save(document::CDesignerDoc& doc, const QString& path)
{
    if (!doc.OnSaveDocument(path)) {
        PrintError(Tr("ticket-cli: cannot save %1: %2").arg(path, doc.LastError()));
        return false;
    }
    return true;
}
} // namespace

int RunNew(const QStringList& arguments)
{
    static const char* usage = "new OUT.vt [--paper 58|80]";
    QStringList args = arguments;
    QString paper = QStringLiteral("58");
    if (!TakeOption(args, QStringLiteral("--paper"), &paper) || !RejectUnknownOptions(args, usage)) {
        return kExitUsage;
    }
    if (args.size() != 1 || (paper != u"58" && paper != u"80")) {
        PrintError(Tr("usage: ticket-cli %1").arg(QString::fromUtf8(usage)));
        return kExitUsage;
    }
    document::CDesignerDoc doc;
    doc.OnNewDocument();
    doc.GetForm()->SetModel(paper);
    document::ShowAsDesignView(doc);
    return Save(doc, args.first()) ? kExitOk : kExitWriteFailed;
}

int RunSave(const QStringList& arguments)
{
    static const char* usage = "save IN.vt OUT.vt";
    if (!RejectUnknownOptions(arguments, usage)) {
        return kExitUsage;
    }
    if (arguments.size() != 2) {
        PrintError(Tr("usage: ticket-cli %1").arg(QString::fromUtf8(usage)));
        return kExitUsage;
    }
    document::CDesignerDoc doc;
    if (!doc.OnOpenDocument(arguments.at(0))) {
        PrintError(Tr("ticket-cli: %1").arg(doc.LastError()));
        return kExitCannotOpen;
    }
    for (const QString& warning : doc.OpenWarnings()) {
        PrintError(Tr("ticket-cli: warning: %1 opens as an empty form: %2").arg(arguments.at(0), warning));
    }
    document::ShowAsDesignView(doc);
    return Save(doc, arguments.at(1)) ? kExitOk : kExitWriteFailed;
}

} // namespace cli
