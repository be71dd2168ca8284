#pragma once

#include <QByteArrayView>

namespace MarkupUI {

// True when a PNG has a chunk, before its end chunk, that claims more bytes
// than the file holds. The decoder we ship sizes its buffer for picture data
// from that claim before reading any of it, so a few hundred bytes could
// make it reserve a gigabyte; it would refuse the file in the end anyway.
// Data that is not a PNG is left to the other checks.
bool HasPngChunkPastTheEnd(QByteArrayView png);

} // namespace MarkupUI
