// "new" and "save": write templates exactly as the designer saves them.
#include "CliCommand.h"
#include "CommandLine.h"
#include "TemplateLoading.h"

#include "document/DesignerDoc.h"

namespace cli {

namespace {
bool Save(document::CDesignerDoc& doc, const QString& path)
{
    if (!doc.OnSaveDocument(path)) {
        PrintError(CliText::tr("ticket-cli: cannot save %1: %2").arg(path, doc.LastError()));
        return false;
    }
    return true;
}
} // namespace

int RunNew(const CliCommand& command, const QStringList& arguments)
{
    CommandLine line(command);
    const QCommandLineOption paper(QStringLiteral("paper"),
                                   CliText::tr("The paper width in millimetres: 58 (the default) or 80."),
                                   QStringLiteral("width"), QStringLiteral("58"));
    line.AddOption(paper);
    line.AddOperand(QStringLiteral("OUT.vt"), CliText::tr("The template file to write."));
    if (const auto done = line.Parse(arguments, 1, 1)) {
        return *done;
    }
    const QString model = line.Value(paper);
    if (model != u"58" && model != u"80") {
        return line.UsageError(CliText::tr("--paper is 58 or 80, not \"%1\"").arg(model));
    }
    document::CDesignerDoc doc;
    doc.OnNewDocument();
    doc.GetForm()->SetModel(model);
    document::ShowAsDesignView(doc);
    return Save(doc, line.Operands().first()) ? kExitOk : kExitWriteFailed;
}

int RunSave(const CliCommand& command, const QStringList& arguments)
{
    CommandLine line(command);
    line.AddOperand(QStringLiteral("IN.vt"), CliText::tr("The template to open."));
    line.AddOperand(QStringLiteral("OUT.vt"), CliText::tr("Where to save it."));
    if (const auto done = line.Parse(arguments, 2, 2)) {
        return *done;
    }
    document::CDesignerDoc doc;
    if (const int opened = OpenTemplate(line.Operands().at(0), doc); opened != kExitOk) {
        return opened;
    }
    return Save(doc, line.Operands().at(1)) ? kExitOk : kExitWriteFailed;
}

} // namespace cli
