#include "controls/ImageString.h"

#include "controls/AttributeValues.h"
#include "controls/QuotedItems.h"

#include <algorithm>

namespace MarkupUI {
namespace {

uint32_t ParseMask(QStringView value)
{
    const qsizetype start = value.startsWith(u'#') ? 1 : 0;
    return static_cast<uint32_t>(AttributeValues::ReadUnsignedLong(value.mid(start), 16).value);
}

} // namespace

platform::Rect ImageDrawItem::DestinationIn(const platform::Rect& pos) const
{
    if (!dest) {
        return pos;
    }
    using platform::SaturatingAdd;
    return platform::Rect{SaturatingAdd(pos.left, dest->left), SaturatingAdd(pos.top, dest->top),
                          std::min(pos.right, SaturatingAdd(pos.left, dest->right)),
                          std::min(pos.bottom, SaturatingAdd(pos.top, dest->bottom))};
}

std::vector<ImageDrawItem> ParseImageString(QStringView text)
{
    std::vector<ImageDrawItem> images;
    ImageDrawItem current;
    current.file = text.toString(); // a bare name draws that entry
    bool named = false;

    qsizetype position = 0;
    QString key;
    QString value;
    while (position < text.size()) {
        if (!QuotedItems::ReadItem(text, position, key, value)) {
            break;
        }
        if (!value.isEmpty()) {
            if (key == u"file" || key == u"res") {
                if (named) {
                    images.push_back(current);
                }
                current.file = value;
                named = true;
            } else if (key == u"restype") {
                if (named) {
                    images.push_back(current);
                }
                current.resType = value;
            } else if (key == u"dest") {
                current.dest = AttributeValues::ParseRect(value);
            } else if (key == u"source") {
                current.source = AttributeValues::ParseRect(value);
            } else if (key == u"corner") {
                current.corner = AttributeValues::ParseRect(value);
            } else if (key == u"mask") {
                current.mask = ParseMask(value);
            } else if (key == u"fade") {
                current.fade = static_cast<uint8_t>(std::clamp(AttributeValues::ParseInt(value), 0, 255));
            } else if (key == u"hole") {
                current.hole = AttributeValues::ParseBool(value);
            } else if (key == u"xtiled") {
                current.xTiled = AttributeValues::ParseBool(value);
            } else if (key == u"ytiled") {
                current.yTiled = AttributeValues::ParseBool(value);
            }
        }
        if (!QuotedItems::SkipSeparator(text, position)) {
            break;
        }
    }
    if (!current.file.isEmpty()) {
        images.push_back(current);
    }
    return images;
}

} // namespace MarkupUI
