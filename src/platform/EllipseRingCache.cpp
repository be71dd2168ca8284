#include "platform/EllipseRingCache.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstdint>
#include <list>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

namespace platform {

namespace {

// A ticket has a handful of circle shapes; larger rings are filled directly.
// A row holds at most two runs; a tall, thin box still costs bytes per row.
constexpr int64_t kMaxRingPixels = int64_t(1) << 20;
constexpr int64_t kMaxRingBytes = int64_t(4) << 20;
constexpr int64_t kMaxHeldBytes = int64_t(32) << 20;
constexpr std::size_t kMaxShapesSeen = 4096;

struct RingKey
{
    int width;
    int height;
    int border;
    bool operator==(const RingKey& other) const
    {
        return std::tie(width, height, border) == std::tie(other.width, other.height, other.border);
    }
};

struct RingKeyHash
{
    std::size_t operator()(const RingKey& key) const
    {
        std::size_t hash = std::hash<int>()(key.width);
        for (const uint32_t part : {uint32_t(key.height), uint32_t(key.border)}) {
            hash = hash * 1000003u ^ part;
        }
        return hash;
    }
};

void FillEllipseRing(QPainter& painter, int left, int top, int width, int height, int border)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addEllipse(QRectF(left, top, width, height));
    if (width > 2 * int64_t(border) && height > 2 * int64_t(border)) {
        path.addEllipse(QRectF(left + border, top + border, width - 2 * border, height - 2 * border));
    }
    painter.fillPath(path, Qt::black);
}

// Most recently used first; the oldest rings go once the pixels held pass
// the budget. A shape is held from its second drawing on: a page drawn once
// (ticket-cli, an upload) would only pay for images nobody draws again.
class RingCache
{
public:
    const RingRuns* Get(const RingKey& key)
    {
        const auto found = m_index.find(key);
        if (found != m_index.end()) {
            m_order.splice(m_order.begin(), m_order, found->second);
            return &found->second->second;
        }
        if (m_seenOnce.insert(key).second) {
            if (m_seenOnce.size() > kMaxShapesSeen) {
                m_seenOnce = {key};
            }
            return nullptr;
        }
        m_seenOnce.erase(key);
        m_order.emplace_front(key, MakeRuns(key));
        m_index.emplace(key, m_order.begin());
        m_heldBytes += Bytes(m_order.front().second);
        while (m_heldBytes > kMaxHeldBytes && m_order.size() > 1) {
            m_heldBytes -= Bytes(m_order.back().second);
            m_index.erase(m_order.back().first);
            m_order.pop_back();
        }
        return &m_order.front().second;
    }

private:
    static int64_t Bytes(const RingRuns& runs) { return int64_t(runs.size() * sizeof(RingRun)); }

    // The path filled once on a clear image, read back row by row.
    static RingRuns MakeRuns(const RingKey& key)
    {
        QImage ring(key.width, key.height, QImage::Format_ARGB32_Premultiplied);
        RingRuns runs;
        if (ring.isNull()) {
            return runs;
        }
        ring.fill(Qt::transparent);
        {
            QPainter painter(&ring);
            painter.setRenderHint(QPainter::Antialiasing, false);
            FillEllipseRing(painter, 0, 0, key.width, key.height, key.border);
        }
        for (int y = 0; y < key.height; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(ring.constScanLine(y));
            for (int x = 0; x < key.width;) {
                if (qAlpha(line[x]) == 0) {
                    ++x;
                    continue;
                }
                const int left = x;
                while (x < key.width && qAlpha(line[x]) != 0) {
                    ++x;
                }
                runs.push_back(RingRun{y, left, x});
            }
        }
        return runs;
    }

    std::list<std::pair<RingKey, RingRuns>> m_order;
    std::unordered_map<RingKey, std::list<std::pair<RingKey, RingRuns>>::iterator, RingKeyHash> m_index;
    int64_t m_heldBytes = 0;
    std::unordered_set<RingKey, RingKeyHash> m_seenOnce;
};

} // namespace

const RingRuns* EllipseRingRuns(int width, int height, int border)
{
    if (width <= 0 || height <= 0 || int64_t(width) * height > kMaxRingPixels ||
        int64_t(height) * 2 * int64_t(sizeof(RingRun)) > kMaxRingBytes) {
        return nullptr;
    }
    // Each thread paints with its own rings: pages are also drawn off the
    // UI thread for uploads.
    thread_local RingCache cache;
    return cache.Get(RingKey{width, height, border});
}

} // namespace platform
