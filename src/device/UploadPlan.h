#pragma once

#include "platform/Geometry.h"

#include <QString>

#include <vector>

namespace MarkupUI {
class CFormUI;
}

namespace device {

// What the upload does with one dynamic field (ticket number, waiting count,
// now-serving number, time).
enum class FieldFate
{
    Sent,             // its rectangle and glyph set go to the printer
    NotText,          // it does not draw text: left out
    OutsidePrintable, // nothing of it lies in the printable area: left out
    TimeFieldLimit,   // a time field past the last one the page record counts
    GlyphSetLimit,    // past the last glyph set the page record counts
    UnknownFormat,    // a time format the printer does not know
};

struct PlannedField
{
    int childIndex = 0;
    int kind = 0;
    FieldFate fate = FieldFate::Sent;
    platform::Rect deviceRect; // printer dots of the printable area, when sent
    int glyphSet = -1;         // index of its glyph set, when sent
    int timeFormat = 0;        // time fields
    QString characters;        // its glyph set's characters, when sent
};

// The dynamic fields of a form in child order, as the upload encodes them:
// which go to the printer, with which rectangle and glyph set, and why the
// others are left out. A later field of a number kind replaces an earlier
// one in the printer's slot; both are sent. The form must be sized.
struct UploadPlan
{
    std::vector<PlannedField> fields;
    int glyphSetCount = 0;
    int timeFieldCount = 0;
};

UploadPlan PlanUpload(MarkupUI::CFormUI& form);

} // namespace device
