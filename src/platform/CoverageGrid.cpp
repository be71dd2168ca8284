#include "platform/CoverageGrid.h"

namespace platform {

namespace {
// 512 KiB of cells at most; a ticket page at 4-pixel cells needs a few KiB.
constexpr int64_t kMaxWords = int64_t(1) << 16;
constexpr int kSmallestCellShift = 2;

// Bits [from, to) of the word holding bit `from`, `to` at most one word on.
uint64_t BitsOfWord(int64_t from, int64_t to)
{
    const int low = int(from & 63);
    const int64_t count = to - from;
    const uint64_t ones = count >= 64 ? ~uint64_t(0) : (uint64_t(1) << count) - 1;
    return ones << low;
}
} // namespace

CoverageGrid::CoverageGrid(const Rect& page)
    : m_page(page)
{
    if (page.IsEmpty()) {
        return;
    }
    for (m_cellShift = kSmallestCellShift;; ++m_cellShift) {
        const int64_t cell = int64_t(1) << m_cellShift;
        m_columns = (page.Width() + cell - 1) >> m_cellShift;
        m_rows = (page.Height() + cell - 1) >> m_cellShift;
        m_wordsPerRow = (m_columns + 63) / 64;
        if (m_wordsPerRow * m_rows <= kMaxWords) {
            break;
        }
    }
    m_bits.assign(std::size_t(m_wordsPerRow * m_rows), 0);
}

void CoverageGrid::Cover(const Rect& rect)
{
    const Rect r = Intersect(rect, m_page);
    if (r.IsEmpty()) {
        return;
    }
    const int64_t cell = int64_t(1) << m_cellShift;
    // Only cells the rectangle holds whole; the last cell of a row or column
    // ends at the page's edge.
    const int64_t firstColumn = (int64_t(r.left) - m_page.left + cell - 1) >> m_cellShift;
    const int64_t endColumn = r.right >= m_page.right ? m_columns : (int64_t(r.right) - m_page.left) >> m_cellShift;
    const int64_t firstRow = (int64_t(r.top) - m_page.top + cell - 1) >> m_cellShift;
    const int64_t endRow = r.bottom >= m_page.bottom ? m_rows : (int64_t(r.bottom) - m_page.top) >> m_cellShift;
    if (firstColumn >= endColumn || firstRow >= endRow) {
        return;
    }
    for (int64_t row = firstRow; row < endRow; ++row) {
        uint64_t* words = m_bits.data() + row * m_wordsPerRow;
        for (int64_t from = firstColumn; from < endColumn;) {
            const int64_t to = std::min(endColumn, (from | 63) + 1);
            words[from >> 6] |= BitsOfWord(from, to);
            from = to;
        }
    }
    m_empty = false;
}

bool CoverageGrid::Covers(const Rect& rect) const
{
    const Rect r = Intersect(rect, m_page);
    if (r.IsEmpty()) {
        return true;
    }
    if (m_empty) {
        return false;
    }
    const int64_t firstColumn = (int64_t(r.left) - m_page.left) >> m_cellShift;
    const int64_t endColumn = ((int64_t(r.right) - m_page.left - 1) >> m_cellShift) + 1;
    const int64_t firstRow = (int64_t(r.top) - m_page.top) >> m_cellShift;
    const int64_t endRow = ((int64_t(r.bottom) - m_page.top - 1) >> m_cellShift) + 1;
    for (int64_t row = firstRow; row < endRow; ++row) {
        if (!CellsCovered(row, firstColumn, endColumn)) {
            return false;
        }
    }
    return true;
}

bool CoverageGrid::CellsCovered(int64_t row, int64_t firstColumn, int64_t endColumn) const
{
    const uint64_t* words = m_bits.data() + row * m_wordsPerRow;
    for (int64_t from = firstColumn; from < endColumn;) {
        const int64_t to = std::min(endColumn, (from | 63) + 1);
        const uint64_t wanted = BitsOfWord(from, to);
        if ((words[from >> 6] & wanted) != wanted) {
            return false;
        }
        from = to;
    }
    return true;
}

} // namespace platform
