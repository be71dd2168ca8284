#include "platform/AreaStretch.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace platform {

namespace {

__extension__ using Wide = unsigned __int128;

// Division by one divisor fixed for a whole axis, as a multiplication by its
// reciprocal rounded up: exact for every dividend below 2^64 / divisor,
// and an average's sum stays under 256 x divisor. Hardware division, many
// times slower, is kept for divisors too large for that.
class AxisDivider
{
public:
    explicit AxisDivider(uint64_t divisor)
        : m_divisor(divisor),
          m_reciprocal(divisor > 1 && divisor < (uint64_t(1) << 28) ? ~uint64_t(0) / divisor + 1 : 0)
    {
    }

    uint64_t operator()(uint64_t dividend) const
    {
        if (m_reciprocal == 0) {
            return dividend / m_divisor;
        }
        return static_cast<uint64_t>((static_cast<Wide>(dividend) * m_reciprocal) >> 64);
    }

private:
    uint64_t m_divisor;
    uint64_t m_reciprocal;
};

// The source pixels under each destination pixel of one axis, with integer
// weights that add up to the source length for every destination pixel.
struct AxisWeights
{
    struct Tap
    {
        int32_t source;
        int64_t weight;
    };
    std::vector<uint32_t> first; // index into taps, one more entry than pixels
    std::vector<Tap> taps;
    int64_t total = 1;
    AxisDivider divide{1};
};

// Destination pixel d covers [d * srcLen, (d + 1) * srcLen) and source pixel s
// covers [s * dstLen, (s + 1) * dstLen) on a common scale, so every overlap
// is an exact integer.
AxisWeights ComputeWeights(int32_t srcStart, int32_t srcLen, int32_t dstLen, int32_t partStart,
                           int32_t partEnd)
{
    AxisWeights weights;
    weights.total = srcLen;
    weights.divide = AxisDivider(static_cast<uint64_t>(srcLen));
    weights.first.reserve(static_cast<std::size_t>(partEnd - partStart) + 1);
    for (int32_t d = partStart; d < partEnd; ++d) {
        weights.first.push_back(static_cast<uint32_t>(weights.taps.size()));
        const int64_t from = int64_t(d) * srcLen;
        const int64_t to = from + srcLen;
        for (int64_t s = from / dstLen; s * dstLen < to && s < srcLen; ++s) {
            const int64_t overlap = std::min(to, (s + 1) * dstLen) - std::max(from, s * dstLen);
            if (overlap > 0) {
                weights.taps.push_back({static_cast<int32_t>(srcStart + s), overlap});
            }
        }
    }
    weights.first.push_back(static_cast<uint32_t>(weights.taps.size()));
    return weights;
}

uint32_t Average(const int64_t sums[4], const AxisWeights& axis)
{
    uint32_t pixel = 0;
    for (int channel = 0; channel < 4; ++channel) {
        const auto value =
            static_cast<uint32_t>(axis.divide(static_cast<uint64_t>(sums[channel] + axis.total / 2)));
        pixel |= std::min<uint32_t>(value, 255) << (channel * 8);
    }
    return pixel;
}

void Accumulate(int64_t sums[4], uint32_t pixel, int64_t weight)
{
    for (int channel = 0; channel < 4; ++channel) {
        sums[channel] += int64_t((pixel >> (channel * 8)) & 0xFF) * weight;
    }
}

// The weights add up to the total, so taps that all read one pixel value
// average to exactly that value: most of a ticket is plain paper.
template <typename Read> bool AllTapsRead(uint32_t value, uint32_t begin, uint32_t end, const Read& read)
{
    for (uint32_t t = begin + 1; t < end; ++t) {
        if (read(t) != value) {
            return false;
        }
    }
    return true;
}

} // namespace

QImage StretchAreaAveraged(const QImage& image, const Rect& sourceRect, Size destSize, const Rect& wanted)
{
    const Rect source = Intersect(sourceRect, Rect{0, 0, image.width(), image.height()});
    const Rect part = Intersect(wanted, Rect{0, 0, destSize.cx, destSize.cy});
    if (source.IsEmpty() || part.IsEmpty()) {
        return QImage();
    }
    // RGB32 pixels are opaque premultiplied pixels already (alpha 0xFF).
    const QImage input =
        image.format() == QImage::Format_ARGB32_Premultiplied || image.format() == QImage::Format_RGB32
            ? image
            : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const auto srcW = static_cast<int32_t>(source.Width());
    const auto srcH = static_cast<int32_t>(source.Height());
    const AxisWeights columns = ComputeWeights(source.left, srcW, destSize.cx, part.left, part.right);
    const AxisWeights rows = ComputeWeights(source.top, srcH, destSize.cy, part.top, part.bottom);

    // Only the source rows some wanted destination row reads are reduced
    // horizontally.
    const int32_t rowFrom = rows.taps.front().source;
    const int32_t rowTo = rows.taps.back().source + 1;
    const auto partW = static_cast<int32_t>(part.Width());
    const auto partH = static_cast<int32_t>(part.Height());
    std::vector<uint32_t> horizontal(static_cast<std::size_t>(partW) *
                                     static_cast<std::size_t>(rowTo - rowFrom));
    // Columns that map one source pixel to one destination pixel, in order,
    // are a plain copy (a page as wide in view units as in dots).
    bool identityColumns = columns.taps.size() == static_cast<std::size_t>(partW);
    for (std::size_t t = 1; identityColumns && t < columns.taps.size(); ++t) {
        identityColumns = columns.taps[t].source == columns.taps[0].source + int32_t(t);
    }
    for (int32_t y = rowFrom; y < rowTo; ++y) {
        const auto* line = reinterpret_cast<const uint32_t*>(input.constScanLine(y));
        uint32_t* out = &horizontal[static_cast<std::size_t>(y - rowFrom) * static_cast<std::size_t>(partW)];
        if (identityColumns) {
            std::memcpy(out, line + columns.taps[0].source,
                        static_cast<std::size_t>(partW) * sizeof(uint32_t));
            continue;
        }
        for (int32_t x = 0; x < partW; ++x) {
            const uint32_t begin = columns.first[x];
            const uint32_t end = columns.first[x + 1];
            const auto at = [&](uint32_t t) { return line[columns.taps[t].source]; };
            if (begin < end && AllTapsRead(at(begin), begin, end, at)) {
                out[x] = at(begin);
                continue;
            }
            int64_t sums[4] = {0, 0, 0, 0};
            for (uint32_t t = begin; t < end; ++t) {
                Accumulate(sums, line[columns.taps[t].source], columns.taps[t].weight);
            }
            out[x] = Average(sums, columns);
        }
    }

    QImage result(partW, partH, QImage::Format_ARGB32_Premultiplied);
    if (result.isNull()) {
        return result; // out of memory: callers draw nothing rather than crash
    }
    const auto rowOf = [&](uint32_t t) {
        return &horizontal[static_cast<std::size_t>(rows.taps[t].source - rowFrom) *
                           static_cast<std::size_t>(partW)];
    };
    const std::size_t rowBytes = static_cast<std::size_t>(partW) * sizeof(uint32_t);
    for (int32_t y = 0; y < partH; ++y) {
        auto* out = reinterpret_cast<uint32_t*>(result.scanLine(y));
        const uint32_t begin = rows.first[y];
        const uint32_t end = rows.first[y + 1];
        // A row whose taps all read equal source rows (always so when
        // enlarging) averages to that row exactly: copy it whole.
        bool sameRows = begin < end;
        for (uint32_t t = begin + 1; sameRows && t < end; ++t) {
            sameRows = std::memcmp(rowOf(t), rowOf(begin), rowBytes) == 0;
        }
        if (sameRows) {
            std::memcpy(out, rowOf(begin), rowBytes);
            continue;
        }
        for (int32_t x = 0; x < partW; ++x) {
            const auto at = [&](uint32_t t) {
                const std::size_t row = static_cast<std::size_t>(rows.taps[t].source - rowFrom);
                return horizontal[row * static_cast<std::size_t>(partW) + x];
            };
            if (begin < end && AllTapsRead(at(begin), begin, end, at)) {
                out[x] = at(begin);
                continue;
            }
            int64_t sums[4] = {0, 0, 0, 0};
            for (uint32_t t = begin; t < end; ++t) {
                Accumulate(sums, at(t), rows.taps[t].weight);
            }
            out[x] = Average(sums, rows);
        }
    }
    return result;
}

QImage StretchAreaAveraged(const QImage& image, Size destSize)
{
    return StretchAreaAveraged(image, Rect{0, 0, image.width(), image.height()}, destSize,
                               Rect{0, 0, destSize.cx, destSize.cy});
}

} // namespace platform
