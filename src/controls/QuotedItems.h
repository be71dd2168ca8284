#pragma once

#include <QString>
#include <QStringView>

namespace MarkupUI {

// Reader of the key='value' item lists that image strings and font
// descriptions are written in, e.g. "name='Arial' height='24'".
namespace QuotedItems {

// Reads one item starting at position (white space allowed around the key
// and the "="); on success moves position past the closing quote. False
// when the item is malformed; position is then unchanged.
bool ReadItem(QStringView text, qsizetype& position, QString& key, QString& value);

// Items are separated by exactly one space: true when position is at the
// end or at that space (which it then skips), false for anything else.
bool SkipSeparator(QStringView text, qsizetype& position);

} // namespace QuotedItems
} // namespace MarkupUI
