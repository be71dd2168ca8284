#include "platform/KeyedInk.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace platform {

namespace {

constexpr uint32_t kOpaque = 0xFF000000u;
constexpr uint32_t kWhite = 0x00FFFFFFu;
constexpr uint8_t kClearGrey = 255;

// White is left out; every other pixel is made opaque.
uint32_t Keyed(uint32_t pixel)
{
    return (pixel & kWhite) == kWhite ? 0u : (pixel | kOpaque);
}

// Keying makes every inked pixel opaque, so its alpha does not count.
bool IsGrey(uint32_t pixel)
{
    return (pixel | kOpaque) == (kOpaque | (pixel & 0xFFu) * 0x010101u);
}

// Reads 32-bit pixels; other formats are converted once.
QImage AsPremultiplied(const QImage& image)
{
    return image.format() == QImage::Format_ARGB32_Premultiplied || image.format() == QImage::Format_RGB32
               ? image
               : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// One blit's rows: pointers at the first row, offsets in pixels.
struct InkRows
{
    uchar* page;
    qsizetype pageStride;
    const uchar* ink;
    qsizetype inkStride;
    int pageX;
    int inkX;
    int width;
    int height;
    bool grey;
};

// Branch-free selects, so that the compiler copies several pixels at once.
inline __attribute__((always_inline)) void CopyRows(const InkRows& rows)
{
    // Locals, so that no store to the page can be taken to change them.
    const int width = rows.width;
    const int height = rows.height;
    for (int y = 0; y < height; ++y) {
        auto* __restrict target = reinterpret_cast<uint32_t*>(rows.page + y * rows.pageStride) + rows.pageX;
        const uchar* source = rows.ink + y * rows.inkStride;
        if (rows.grey) {
            const uchar* __restrict grey = source + rows.inkX;
            for (int x = 0; x < width; ++x) {
                const uint32_t value = grey[x];
                target[x] = value != kClearGrey ? (kOpaque | value * 0x010101u) : target[x];
            }
        } else {
            const auto* __restrict argb = reinterpret_cast<const uint32_t*>(source) + rows.inkX;
            for (int x = 0; x < width; ++x) {
                target[x] = argb[x] >= kOpaque ? argb[x] : target[x];
            }
        }
    }
}

void CopyRowsPortable(const InkRows& rows)
{
    CopyRows(rows);
}

#if defined(__x86_64__)
// Grey ink eight pixels at a time: a busy ticket spends most of its paint
// here. Eight clear pixels (the gaps between letters) are skipped without
// touching the page; the others are spread to 0xFFvvvvvv by one shuffle.
__attribute__((target("avx2"))) void CopyGreyRowsAvx2(const InkRows& rows)
{
    const __m256i spread = _mm256_setr_epi8(0, 0, 0, -128, 1, 1, 1, -128, 2, 2, 2, -128, 3, 3, 3, -128, //
                                            4, 4, 4, -128, 5, 5, 5, -128, 6, 6, 6, -128, 7, 7, 7, -128);
    const __m256i opaque = _mm256_set1_epi32(static_cast<int>(kOpaque));
    const __m256i clear = _mm256_set1_epi32(-1);
    const int width = rows.width;
    const int height = rows.height;
    for (int y = 0; y < height; ++y) {
        auto* target = reinterpret_cast<uint32_t*>(rows.page + y * rows.pageStride) + rows.pageX;
        const uchar* grey = rows.ink + y * rows.inkStride + rows.inkX;
        int x = 0;
        for (; x + 8 <= width; x += 8) {
            uint64_t eight;
            std::memcpy(&eight, grey + x, sizeof eight);
            if (eight == ~uint64_t(0)) {
                continue;
            }
            const __m256i bytes = _mm256_set1_epi64x(static_cast<long long>(eight));
            const __m256i ink = _mm256_or_si256(_mm256_shuffle_epi8(bytes, spread), opaque);
            auto* at = reinterpret_cast<__m256i*>(target + x);
            const __m256i page = _mm256_loadu_si256(at);
            _mm256_storeu_si256(at, _mm256_blendv_epi8(ink, page, _mm256_cmpeq_epi32(ink, clear)));
        }
        for (; x < width; ++x) {
            const uint32_t value = grey[x];
            target[x] = value != kClearGrey ? (kOpaque | value * 0x010101u) : target[x];
        }
    }
}

// Other ink as the portable loops, eight pixels at a time.
__attribute__((target("avx2"))) void CopyRowsAvx2(const InkRows& rows)
{
    CopyRows(rows);
}
#endif

void CopyInkRows(const InkRows& rows)
{
#if defined(__x86_64__)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) {
        if (rows.grey) {
            CopyGreyRowsAvx2(rows);
        } else {
            CopyRowsAvx2(rows);
        }
        return;
    }
#endif
    CopyRowsPortable(rows);
}

} // namespace

QImage KeyOutWhite(const QImage& image)
{
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<uint32_t*>(keyed.scanLine(y));
        std::transform(line, line + keyed.width(), line, Keyed);
    }
    return keyed;
}

bool IsPlainPage(const QImage& page)
{
    return page.format() == QImage::Format_RGB32 || page.format() == QImage::Format_ARGB32_Premultiplied;
}

InkCrop CropKeyedInk(const QImage& image)
{
    const QImage input = AsPremultiplied(image);
    const int width = input.width();
    const int height = input.height();
    int left = width;
    int right = -1;
    int top = height;
    int bottom = -1;
    const auto isPaper = [](uint32_t pixel) { return (pixel & kWhite) == kWhite; };
    // Rows are searched from both ends for ink: most of a text image is paper.
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const uint32_t*>(input.constScanLine(y));
        int first = 0;
        while (first < width && isPaper(line[first])) {
            ++first;
        }
        if (first == width) {
            continue;
        }
        int last = width - 1;
        while (isPaper(line[last])) {
            --last;
        }
        left = std::min(left, first);
        right = std::max(right, last);
        top = std::min(top, y);
        bottom = y;
    }
    bool grey = true;
    for (int y = top; grey && y <= bottom; ++y) {
        const auto* line = reinterpret_cast<const uint32_t*>(input.constScanLine(y));
        for (int x = left; x <= right; ++x) {
            if (!isPaper(line[x]) && !IsGrey(line[x])) {
                grey = false;
                break;
            }
        }
    }
    if (right < 0) {
        return InkCrop{};
    }
    const int cropWidth = right - left + 1;
    const int cropHeight = bottom - top + 1;
    QImage ink(cropWidth, cropHeight, grey ? QImage::Format_Grayscale8 : QImage::Format_ARGB32_Premultiplied);
    if (ink.isNull()) {
        return InkCrop{};
    }
    for (int y = 0; y < cropHeight; ++y) {
        const auto* line = reinterpret_cast<const uint32_t*>(input.constScanLine(top + y)) + left;
        if (grey) {
            uchar* out = ink.scanLine(y);
            for (int x = 0; x < cropWidth; ++x) {
                out[x] = (line[x] & kWhite) == kWhite ? kClearGrey : static_cast<uchar>(line[x] & 0xFFu);
            }
        } else {
            auto* out = reinterpret_cast<uint32_t*>(ink.scanLine(y));
            for (int x = 0; x < cropWidth; ++x) {
                out[x] = Keyed(line[x]);
            }
        }
    }
    return InkCrop{ink, Point{left, top}};
}

QImage KeyedInkAsArgb(const QImage& ink)
{
    if (ink.format() != QImage::Format_Grayscale8) {
        return ink;
    }
    QImage argb(ink.width(), ink.height(), QImage::Format_ARGB32_Premultiplied);
    if (argb.isNull()) {
        return argb;
    }
    for (int y = 0; y < ink.height(); ++y) {
        const uchar* line = ink.constScanLine(y);
        auto* out = reinterpret_cast<uint32_t*>(argb.scanLine(y));
        for (int x = 0; x < ink.width(); ++x) {
            out[x] = line[x] == kClearGrey ? 0u : (kOpaque | line[x] * 0x010101u);
        }
    }
    return argb;
}

bool CopyKeyedInk(QImage& page, const QRect& area, Point at, const QImage& ink)
{
    const QImage::Format inkFormat = ink.format();
    if (!IsPlainPage(page) ||
        (inkFormat != QImage::Format_Grayscale8 && inkFormat != QImage::Format_ARGB32_Premultiplied)) {
        return false;
    }
    const QRect within = area.intersected(page.rect());
    const int64_t fromX = std::max<int64_t>(at.x, within.left());
    const int64_t fromY = std::max<int64_t>(at.y, within.top());
    const int64_t toX = std::min<int64_t>(int64_t(at.x) + ink.width(), int64_t(within.right()) + 1);
    const int64_t toY = std::min<int64_t>(int64_t(at.y) + ink.height(), int64_t(within.bottom()) + 1);
    if (within.isEmpty() || fromX >= toX || fromY >= toY) {
        return true;
    }
    // A painter may be drawing into this same buffer; bits() would detach
    // the page from it if the page were shared.
    const InkRows rows{const_cast<uchar*>(page.constBits()) + qsizetype(fromY) * page.bytesPerLine(),
                       page.bytesPerLine(),
                       ink.constScanLine(static_cast<int>(fromY - at.y)),
                       ink.bytesPerLine(),
                       static_cast<int>(fromX),
                       static_cast<int>(fromX - at.x),
                       static_cast<int>(toX - fromX),
                       static_cast<int>(toY - fromY),
                       inkFormat == QImage::Format_Grayscale8};
    CopyInkRows(rows);
    return true;
}

} // namespace platform
