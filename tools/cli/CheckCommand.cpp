#include "CliCommand.h"
#include "CommandLine.h"
#include "TemplateLoading.h"

#include "check/TemplateCheck.h"
#include "document/DesignerDoc.h"
#include "elements/ElementKind.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace cli {

namespace {

// Stable names of the element kinds, for scripts.
QString KindName(int kind)
{
    switch (kind) {
    case MarkupUI::kElementForm:
        return QStringLiteral("form");
    case MarkupUI::kElementPicture:
        return QStringLiteral("picture");
    case MarkupUI::kElementText:
        return QStringLiteral("text");
    case MarkupUI::kElementQueuingNum:
        return QStringLiteral("ticket-number");
    case MarkupUI::kElementWaitingCount:
        return QStringLiteral("waiting-count");
    case MarkupUI::kElementCurrentNum:
        return QStringLiteral("now-serving");
    case MarkupUI::kElementTime:
        return QStringLiteral("time");
    case MarkupUI::kElementHorizontalLine:
        return QStringLiteral("horizontal-line");
    case MarkupUI::kElementVerticalLine:
        return QStringLiteral("vertical-line");
    case MarkupUI::kElementRectangle:
        return QStringLiteral("rectangle");
    case MarkupUI::kElementCircle:
        return QStringLiteral("circle");
    default:
        return QStringLiteral("other");
    }
}

QJsonObject FindingJson(const check::Finding& finding)
{
    QJsonObject values;
    for (const check::FindingValue& value : finding.values) {
        values[value.key] = value.value;
    }
    const platform::Rect& r = finding.rect;
    return QJsonObject{
        {QStringLiteral("severity"), check::SeverityKey(finding.severity)},
        {QStringLiteral("code"), finding.code},
        {QStringLiteral("element"),
         QJsonObject{{QStringLiteral("index"), finding.elementIndex},
                     {QStringLiteral("kind"), finding.elementKind},
                     {QStringLiteral("kind_name"), KindName(finding.elementKind)},
                     {QStringLiteral("rect"), QJsonArray{r.left, r.top, r.right, r.bottom}}}},
        {QStringLiteral("message"), finding.message},
        {QStringLiteral("values"), values},
    };
}

QString FindingLine(const check::Finding& finding)
{
    const QString where = finding.elementIndex < 0
                              ? CliText::tr("template")
                              : CliText::tr("element %1 (%2)").arg(finding.elementIndex).arg(KindName(finding.elementKind));
    QStringList numbers;
    for (const check::FindingValue& value : finding.values) {
        numbers << QStringLiteral("%1=%2").arg(value.key, QString::number(value.value, 'g', 6));
    }
    QString line =
        QStringLiteral("%1: %2: %3: %4").arg(check::SeverityKey(finding.severity), where, finding.code, finding.message);
    if (!numbers.isEmpty()) {
        line += QStringLiteral(" [") + numbers.join(QLatin1Char(' ')) + QLatin1Char(']');
    }
    return line;
}

} // namespace

int RunCheck(const CliCommand& command, const QStringList& arguments)
{
    CommandLine line(command);
    const QCommandLineOption json(QStringLiteral("json"), CliText::tr("Print JSON instead of readable lines."));
    line.AddOption(json);
    line.AddOperand(QStringLiteral("TEMPLATE.vt"), CliText::tr("The template to check."));
    if (const auto done = line.Parse(arguments, 1, 1)) {
        return *done;
    }
    document::CDesignerDoc doc;
    const QString path = line.Operands().first();
    if (const int opened = OpenTemplate(path, doc); opened != kExitOk) {
        return opened;
    }
    const std::vector<check::Finding> findings = check::CheckTemplate(*doc.GetForm());
    const check::FindingCounts counts = check::CountFindings(findings);
    if (line.IsSet(json)) {
        QJsonArray list;
        for (const check::Finding& finding : findings) {
            list.append(FindingJson(finding));
        }
        const QJsonObject report{{QStringLiteral("template"), path},
                                 {QStringLiteral("errors"), counts.errors},
                                 {QStringLiteral("warnings"), counts.warnings},
                                 {QStringLiteral("notes"), counts.notes},
                                 {QStringLiteral("findings"), list}};
        PrintOut(QString::fromUtf8(QJsonDocument(report).toJson(QJsonDocument::Indented)).trimmed());
    } else {
        for (const check::Finding& finding : findings) {
            PrintOut(FindingLine(finding));
        }
        PrintOut(CliText::tr("%1: %2 errors, %3 warnings, %4 notes")
                     .arg(path)
                     .arg(counts.errors)
                     .arg(counts.warnings)
                     .arg(counts.notes));
    }
    return counts.errors > 0 ? kExitTemplateErrors : kExitOk;
}

} // namespace cli
