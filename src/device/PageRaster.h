#pragma once

#include "device/PackedImage.h"

#include <QImage>

namespace MarkupUI {
class CFormUI;
}

namespace device {

// The static content of the page (everything but the dynamic fields), cut
// to the printable area and scaled by area averaging to printer dots: an
// image of printable width x height dots. White when the form has no
// printable area.
QImage RenderPageImage(MarkupUI::CFormUI& form);

// The printer's bits of a page image: a dot is ink where the luminance is
// below mid-grey.
PackedImage PackImageBits(const QImage& image);

} // namespace device
