#include "check/TemplateCheck.h"

#include "check/CheckContext.h"
#include "check/FieldWidthCheck.h"
#include "check/LegibilityCheck.h"
#include "check/OverlapCheck.h"
#include "check/PictureCheck.h"
#include "check/PrintableAreaCheck.h"
#include "check/StrokeCheck.h"
#include "check/UploadLimitsCheck.h"

#include <algorithm>

namespace check {

std::vector<Finding> CheckTemplate(MarkupUI::CFormUI& form)
{
    CheckContext context(form);
    CheckUploadLimits(context);
    CheckPrintableArea(context);
    CheckFieldWidths(context);
    CheckLegibility(context);
    CheckStrokes(context);
    CheckPictures(context);
    CheckOverlaps(context);
    return context.TakeFindings();
}

bool HasErrors(const std::vector<Finding>& findings)
{
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& finding) { return finding.severity == Severity::Error; });
}

FindingCounts CountFindings(const std::vector<Finding>& findings)
{
    FindingCounts counts;
    for (const Finding& finding : findings) {
        switch (finding.severity) {
        case Severity::Error:
            ++counts.errors;
            break;
        case Severity::Warning:
            ++counts.warnings;
            break;
        case Severity::Note:
            ++counts.notes;
            break;
        }
    }
    return counts;
}

QString SeverityKey(Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return QStringLiteral("error");
    case Severity::Warning:
        return QStringLiteral("warning");
    case Severity::Note:
        break;
    }
    return QStringLiteral("note");
}

} // namespace check
