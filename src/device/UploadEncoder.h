#pragma once

#include "device/BufferList.h"
#include "device/GlyphRaster.h"

#include <QString>

namespace MarkupUI {
class CControlUI;
class CFormUI;
} // namespace MarkupUI

namespace device {

// The characters a field's glyph set holds: by element kind for the
// numbers, by time format for the time; empty for any other element or an
// unknown format.
QString GlyphCharacters(int elementKind, int timeFormat = 0);

// Appends one glyph set (set header, a glyph frame, record and bitmap per
// character, set end). False, with nothing appended, when the element does
// not draw text.
bool EncodeGlyphSet(MarkupUI::CControlUI& element, const QString& characters, const PrintableArea& area,
                    int setIndex, BufferList& list);

// The whole template-upload transaction of a form as the printer takes it:
// page header and record, each dynamic field in child order with its glyph
// set, the static page image, the end frame. The form must be sized.
BufferList EncodeTemplateUpload(MarkupUI::CFormUI& form);

// The print-image transaction: the static page, printed at once.
BufferList EncodePrintPage(MarkupUI::CFormUI& form);

} // namespace device
