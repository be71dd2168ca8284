#include "controls/FontAttribute.h"

#include "controls/AttributeValues.h"
#include "controls/QuotedItems.h"

#include <algorithm>
#include <cstdint>

namespace MarkupUI {

namespace AV = AttributeValues;

platform::FontDescription ParseFontDescription(QStringView text)
{
    platform::FontDescription font;
    font.charSet = platform::kCharSetDefault;

    qsizetype position = 0;
    QString key;
    QString value;
    while (position < text.size() && QuotedItems::ReadItem(text, position, key, value)) {
        if (!value.isEmpty()) {
            if (key == u"name") {
                font.SetFaceName(value);
            } else if (key == u"height") {
                // Negated in 64 bits: the most negative height has no positive twin.
                const int64_t height = -int64_t(AV::ParseInt(value));
                font.height = static_cast<int32_t>(std::min<int64_t>(height, INT32_MAX));
            } else if (key == u"bold") {
                if (AV::ParseBool(value)) {
                    font.weight = platform::kFontWeightBold;
                }
            } else if (key == u"underline") {
                font.underline = AV::ParseBool(value);
            } else if (key == u"italic") {
                font.italic = AV::ParseBool(value);
            } else if (key == u"charset") {
                // A byte in the record, as in the files.
                font.charSet = static_cast<uint8_t>(AV::ParseInt(value));
            }
        }
        if (!QuotedItems::SkipSeparator(text, position)) {
            break;
        }
    }
    return font;
}

} // namespace MarkupUI
