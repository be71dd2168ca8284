#include "platform/Geometry.h"

#include <gtest/gtest.h>

#include <limits>

using namespace platform;

TEST(Geometry, IntersectionAndUnionTreatEmptyRectanglesAsNothing)
{
    EXPECT_EQ(Intersect({0, 0, 10, 10}, {5, 5, 20, 20}), (Rect{5, 5, 10, 10}));
    EXPECT_EQ(Intersect({0, 0, 10, 10}, {10, 0, 20, 10}), Rect{});
    EXPECT_EQ(Union({0, 0, 10, 10}, {20, 20, 30, 30}), (Rect{0, 0, 30, 30}));
    EXPECT_EQ(Union({}, {20, 20, 30, 30}), (Rect{20, 20, 30, 30}));
    EXPECT_EQ(Union({5, 5, 5, 9}, {}), Rect{});
}

TEST(Geometry, NormalizingAndExtremeCoordinatesStayInRange)
{
    EXPECT_EQ(Normalized({10, 20, 5, 2}), (Rect{10, 20, 10, 20}));
    const Rect huge{std::numeric_limits<int32_t>::min(), 0, std::numeric_limits<int32_t>::max(), 1};
    EXPECT_EQ(huge.Width(), int64_t(std::numeric_limits<uint32_t>::max()));
    EXPECT_EQ(SaturatingAdd(std::numeric_limits<int32_t>::max(), 25), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(SaturatingAdd(-5, -10), -15);
}
