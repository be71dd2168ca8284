#include "controls/ImageString.h"

#include "controls/AttributeValues.h"

#include <algorithm>

namespace MarkupUI {
namespace {

bool IsBlank(QChar c)
{
    return c.unicode() > 0 && c.unicode() <= u' ';
}

// Reads one key='value' item starting at position; false when malformed.
bool ReadItem(QStringView text, qsizetype& position, QString& key, QString& value)
{
    qsizetype i = position;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    const qsizetype keyStart = i;
    while (i < text.size() && text[i] != u'=' && !IsBlank(text[i])) {
        ++i;
    }
    key = text.mid(keyStart, i - keyStart).toString();
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    if (i >= text.size() || text[i] != u'=') {
        return false;
    }
    ++i;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    if (i >= text.size() || text[i] != u'\'') {
        return false;
    }
    ++i;
    const qsizetype valueStart = i;
    while (i < text.size() && text[i] != u'\'') {
        ++i;
    }
    if (i >= text.size()) {
        return false;
    }
    value = text.mid(valueStart, i - valueStart).toString();
    position = i + 1;
    return true;
}

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
        if (!ReadItem(text, position, key, value)) {
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
        // Items are separated by exactly one space.
        if (position < text.size()) {
            if (text[position] != u' ') {
                break;
            }
            ++position;
        }
    }
    if (!current.file.isEmpty()) {
        images.push_back(current);
    }
    return images;
}

} // namespace MarkupUI
