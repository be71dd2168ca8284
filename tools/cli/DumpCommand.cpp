#include "CliCommand.h"
#include "CommandLine.h"
#include "TemplateDump.h"
#include "TemplateLoading.h"

#include "document/DesignerDoc.h"

#include <QJsonDocument>

namespace cli {

int RunDump(const CliCommand& command, const QStringList& arguments)
{
    CommandLine line(command);
    const QCommandLineOption json(QStringLiteral("json"),
                                  CliText::tr("Print JSON instead of readable lines."));
    line.AddOption(json);
    line.AddOperand(QStringLiteral("TEMPLATE.vt"), CliText::tr("The template to describe."));
    if (const auto done = line.Parse(arguments, 1, 1)) {
        return *done;
    }
    document::CDesignerDoc doc;
    if (const int opened = OpenTemplate(line.Operands().first(), doc); opened != kExitOk) {
        return opened;
    }
    const QJsonObject dump = DumpTemplate(doc);
    if (line.IsSet(json)) {
        PrintOut(QString::fromUtf8(QJsonDocument(dump).toJson(QJsonDocument::Indented)).trimmed());
    } else {
        for (const QString& text : DescribeTemplate(dump)) {
            PrintOut(text);
        }
    }
    return kExitOk;
}

} // namespace cli
