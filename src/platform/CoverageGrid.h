#pragma once

#include "platform/Geometry.h"

#include <cstdint>
#include <vector>

namespace platform {

// The parts of a page that opaque drawing still to come is sure to paint
// over, kept in square cells: a cell counts only once a single rectangle
// holds it whole, so "covered" never claims a pixel that is not. Bounded in
// memory whatever the page size: cells grow on very large pages.
class CoverageGrid
{
public:
    explicit CoverageGrid(const Rect& page);

    // Records that every pixel of `rect` will be painted over.
    void Cover(const Rect& rect);
    // True when every pixel of `rect` on the page lies in a covered cell;
    // pixels off the page never show, so they count as covered.
    bool Covers(const Rect& rect) const;
    bool IsEmpty() const { return m_empty; }

private:
    bool CellsCovered(int64_t row, int64_t firstColumn, int64_t endColumn) const;

    Rect m_page;
    int m_cellShift = 2;
    int64_t m_columns = 0;
    int64_t m_rows = 0;
    int64_t m_wordsPerRow = 0;
    std::vector<uint64_t> m_bits;
    bool m_empty = true;
};

} // namespace platform
