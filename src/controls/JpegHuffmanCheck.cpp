#include "controls/JpegHuffmanCheck.h"

namespace MarkupUI {

namespace {

constexpr int kMaxCodes = 256;
constexpr int kCodeLengths = 16;

uint8_t ByteAt(QByteArrayView data, qsizetype at)
{
    // The decoder reads zeros past the end; so do we.
    return at < data.size() ? static_cast<uint8_t>(data[at]) : 0;
}

// Walks one table-definition segment as the decoder does: tables follow one
// another until the segment's length is used up.
bool SegmentHasOversizedTable(QByteArrayView data, qsizetype segment)
{
    qsizetype at = segment;
    int remaining = (ByteAt(data, at) << 8 | ByteAt(data, at + 1)) - 2;
    at += 2;
    while (remaining > 0 && at < data.size()) {
        ++at; // table class and slot
        int codes = 0;
        for (int i = 0; i < kCodeLengths; ++i) {
            codes += ByteAt(data, at++);
        }
        if (codes > kMaxCodes) {
            return true;
        }
        at += codes;
        remaining -= 1 + kCodeLengths + codes;
    }
    return false;
}

} // namespace

bool HasOversizedJpegHuffmanTable(QByteArrayView jpeg)
{
    // The decoder takes any run of FF bytes before D8 as the start of a JPEG.
    qsizetype start = 0;
    while (start < jpeg.size() && static_cast<uint8_t>(jpeg[start]) == 0xFF) {
        ++start;
    }
    if (start == 0 || start == jpeg.size() || static_cast<uint8_t>(jpeg[start]) != 0xD8) {
        return false;
    }
    for (qsizetype at = jpeg.indexOf("\xFF\xC4"); at >= 0; at = jpeg.indexOf("\xFF\xC4", at + 1)) {
        if (SegmentHasOversizedTable(jpeg, at + 2)) {
            return true;
        }
    }
    return false;
}

} // namespace MarkupUI
