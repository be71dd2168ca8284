#include "platform/CoverageGrid.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using platform::CoverageGrid;
using platform::Rect;

namespace {

Rect RandomRect(std::mt19937& random, const Rect& around)
{
    std::uniform_int_distribution<int> x(around.left - 20, around.right + 20);
    std::uniform_int_distribution<int> y(around.top - 20, around.bottom + 20);
    std::uniform_int_distribution<int> extent(0, 90);
    const int left = x(random);
    const int top = y(random);
    return Rect{left, top, left + extent(random), top + extent(random)};
}

} // namespace

// The one promise that matters: "covered" never claims a pixel no cover
// holds. Checked pixel by pixel against the covers themselves.
TEST(CoverageGrid, NeverClaimsAPixelNoCoverHolds)
{
    std::mt19937 random(7);
    const Rect page{3, 5, 203, 246}; // edges off the cell grid
    int claimed = 0;
    for (int round = 0; round < 60; ++round) {
        CoverageGrid grid(page);
        std::vector<Rect> covers;
        for (int i = 0; i < 12; ++i) {
            covers.push_back(RandomRect(random, page));
            grid.Cover(covers.back());
        }
        for (int probe = 0; probe < 80; ++probe) {
            const Rect r = RandomRect(random, page);
            if (!grid.Covers(r)) {
                continue;
            }
            ++claimed;
            const Rect onPage = platform::Intersect(r, page);
            for (int y = onPage.top; y < onPage.bottom; ++y) {
                for (int x = onPage.left; x < onPage.right; ++x) {
                    bool held = false;
                    for (const Rect& c : covers) {
                        held = held || c.Contains(platform::Point{x, y});
                    }
                    ASSERT_TRUE(held) << "pixel " << x << "," << y << " of a rectangle said covered";
                }
            }
        }
    }
    EXPECT_GT(claimed, 500) << "the check above must have had something to check";
}

TEST(CoverageGrid, CoversWhatOneCoverHoldsUpToThePageEdges)
{
    const Rect page{0, 0, 101, 99}; // last column and row of cells cut short
    CoverageGrid grid(page);
    EXPECT_TRUE(grid.IsEmpty());
    EXPECT_FALSE(grid.Covers(Rect{10, 10, 20, 20}));
    EXPECT_TRUE(grid.Covers(Rect{200, 200, 300, 300})) << "off the page nothing shows";
    EXPECT_TRUE(grid.Covers(Rect{}));

    grid.Cover(Rect{-50, -50, 500, 500});
    EXPECT_FALSE(grid.IsEmpty());
    EXPECT_TRUE(grid.Covers(Rect{-10, -10, 120, 120}));

    CoverageGrid inner(page);
    inner.Cover(Rect{8, 8, 40, 40}); // on cell boundaries
    EXPECT_TRUE(inner.Covers(Rect{8, 8, 40, 40}));
    EXPECT_FALSE(inner.Covers(Rect{7, 8, 40, 40}));
    EXPECT_FALSE(inner.Covers(Rect{8, 8, 41, 40}));
}

TEST(CoverageGrid, CoversSplitAcrossSeveralRectanglesAndWords)
{
    const Rect page{0, 0, 1000, 40};
    CoverageGrid grid(page);
    grid.Cover(Rect{0, 0, 520, 40});
    EXPECT_FALSE(grid.Covers(Rect{100, 0, 900, 40}));
    grid.Cover(Rect{520, 0, 1000, 40});
    EXPECT_TRUE(grid.Covers(Rect{100, 0, 900, 40})) << "two covers meeting at a cell edge";
    EXPECT_TRUE(grid.Covers(page));
}

TEST(CoverageGrid, HugePagesStaySoundWithCoarserCells)
{
    const Rect page{0, 0, 65535, 65535};
    CoverageGrid grid(page);
    grid.Cover(Rect{0, 0, 10, 10});
    EXPECT_FALSE(grid.Covers(Rect{0, 0, 10, 10})) << "a cover smaller than a cell covers no cell";
    grid.Cover(Rect{0, 0, 40000, 65535});
    EXPECT_TRUE(grid.Covers(Rect{0, 0, 30000, 60000}));
    EXPECT_FALSE(grid.Covers(Rect{30000, 0, 41000, 10}));
}
