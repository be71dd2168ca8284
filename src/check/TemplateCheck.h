#pragma once

#include "platform/Geometry.h"

#include <QString>
#include <vector>

namespace MarkupUI {
class CFormUI;
}

namespace check {

enum class Severity
{
    Error,   // the ticket will come out wrong
    Warning, // it may come out wrong
    Note,    // worth a look
};

// One number behind a finding under a stable key, e.g. "field_width_dots".
struct FindingValue
{
    QString key;
    double value = 0;
};

// What the check found about one element (or the template as a whole).
struct Finding
{
    Severity severity = Severity::Note;
    QString code;          // stable key of the kind of finding, e.g. "field-overflow"
    int elementIndex = -1; // in the form's child order; -1 for the template itself
    int elementKind = 0;   // element kind id; 101 (form) for the template itself
    platform::Rect rect;   // the element's rectangle in view units
    QString message;       // short, in the program's language
    std::vector<FindingValue> values;
};

// Inspects the form as the upload encodes it and reports what will print
// differently from the design. The form must be sized, as for an upload.
std::vector<Finding> CheckTemplate(MarkupUI::CFormUI& form);

bool HasErrors(const std::vector<Finding>& findings);

struct FindingCounts
{
    int errors = 0;
    int warnings = 0;
    int notes = 0;
};
FindingCounts CountFindings(const std::vector<Finding>& findings);

// "error", "warning" or "note": stable, for scripts.
QString SeverityKey(Severity severity);

} // namespace check
