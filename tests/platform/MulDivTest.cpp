#include "platform/MulDiv.h"

#include <gtest/gtest.h>

#include <limits>

using platform::MulDiv;

TEST(MulDiv, RoundsHalvesAwayFromZeroInEverySignCombination)
{
    EXPECT_EQ(MulDiv(5, 1, 2), 3);    // 2.5
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);  // -2.5
    EXPECT_EQ(MulDiv(5, 1, -2), -3);
    EXPECT_EQ(MulDiv(-5, -1, -2), -3);
    EXPECT_EQ(MulDiv(7, 1, 3), 2);    // 2.33
    EXPECT_EQ(MulDiv(8, 1, 3), 3);    // 2.67
    EXPECT_EQ(MulDiv(-8, 1, 3), -3);
    EXPECT_EQ(MulDiv(0, 1234, 7), 0);
}

TEST(MulDiv, ComputesTheFormsUnitConversions)
{
    EXPECT_EQ(MulDiv(48, 2032, 254), 384);
    EXPECT_EQ(MulDiv((580 - 160) * 58, 4064, 464 * 254), 840);
    EXPECT_EQ(MulDiv(70, 2032, 254), 560);
    EXPECT_EQ(MulDiv(464, 5, 58), 40);
}

TEST(MulDiv, UsesA64BitProduct)
{
    // 100000 * 100000 overflows 32 bits but the quotient does not.
    EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);
    EXPECT_EQ(MulDiv(std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max(),
                     std::numeric_limits<int32_t>::max()),
              std::numeric_limits<int32_t>::max());
}

TEST(MulDiv, GivesMinusOneForZeroDivisorOrResultOutside32Bits)
{
    EXPECT_EQ(MulDiv(10, 10, 0), -1);
    EXPECT_EQ(MulDiv(std::numeric_limits<int32_t>::max(), 2, 1), -1);
    EXPECT_EQ(MulDiv(std::numeric_limits<int32_t>::min(), 2, 1), -1);
    EXPECT_EQ(MulDiv(std::numeric_limits<int32_t>::min(), -1, 1), -1);
    EXPECT_EQ(MulDiv(std::numeric_limits<int32_t>::min(), 1, 1), std::numeric_limits<int32_t>::min());
}
