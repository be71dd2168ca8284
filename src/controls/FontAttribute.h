#pragma once

#include "platform/FontDescription.h"

#include <QStringView>

namespace MarkupUI {

// Reads the value of a text element's "font" attribute, e.g.
// "name='Arial' height='24' bold='true'". Starts from an all-zero
// description with the default character set; keys (exact case) are
// "name", "height" (stored negated: a character height), "bold",
// "underline", "italic" and "charset". Items with an empty value are
// skipped; reading stops at the first malformed item, keeping the rest.
platform::FontDescription ParseFontDescription(QStringView value);

} // namespace MarkupUI
