#pragma once

#include <QByteArrayView>

namespace MarkupUI {

// True when a JPEG defines a Huffman table of more than 256 codes. The
// decoder we ship writes such a table's code lengths past the end of its
// tables, so these files are refused before they reach it. Every "FF C4"
// pair is read as a table definition, since a marker may follow any junk
// the decoder skips; a false alarm only refuses an already broken file.
bool HasOversizedJpegHuffmanTable(QByteArrayView jpeg);

} // namespace MarkupUI
