#include "controls/QuotedItems.h"

namespace MarkupUI::QuotedItems {

namespace {
bool IsBlank(QChar c)
{
    return c.unicode() > 0 && c.unicode() <= u' ';
}
} // namespace

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

bool SkipSeparator(QStringView text, qsizetype& position)
{
    if (position >= text.size()) {
        return true;
    }
    if (text[position] != u' ') {
        return false;
    }
    ++position;
    return true;
}

} // namespace MarkupUI::QuotedItems
