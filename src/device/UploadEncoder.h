#pragma once

#include "device/BufferList.h"
#include "device/GlyphRaster.h"
#include "device/PrinterTemplate.h"

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

// What an upload of the form leaves in the printer: the page record, the
// time fields, the glyph sets and the static page image, as the printer's
// decoder reads them from the stream. The preview prints its tickets from
// this, the encoder writes it out. The form must be sized.
PrinterTemplate UploadedTemplateOf(MarkupUI::CFormUI& form);

// The template-upload transaction of that: page header and record, each
// dynamic field in child order (a time field's frame, then its glyph set),
// the static page image, the end frame.
BufferList EncodeTemplateUpload(const PrinterTemplate& upload);

// Both at once.
BufferList EncodeTemplateUpload(MarkupUI::CFormUI& form);

// The print-image transaction: the static page, printed at once.
BufferList EncodePrintPage(MarkupUI::CFormUI& form);

} // namespace device
