#include "platform/Luminance.h"

#include <gtest/gtest.h>

using platform::IsInk;

TEST(Luminance, GreyThresholdFallsBetween128And129)
{
    EXPECT_FALSE(IsInk(129, 129, 129));
    EXPECT_TRUE(IsInk(128, 128, 128)) << "the weighted sum of grey 128 is just below 128.0";
    EXPECT_TRUE(IsInk(100, 100, 100));
    EXPECT_FALSE(IsInk(255, 255, 255));
    EXPECT_TRUE(IsInk(0, 0, 0));
}

TEST(Luminance, PrimaryColoursFollowTheirWeights)
{
    EXPECT_NEAR(platform::Luminance(255, 0, 0), 76.245, 1e-9);
    EXPECT_TRUE(IsInk(255, 0, 0));
    EXPECT_TRUE(IsInk(0, 0, 255));
    EXPECT_FALSE(IsInk(0, 255, 0));
    // Light anti-aliased edges are paper on the page.
    EXPECT_FALSE(IsInk(250, 250, 250));
}

TEST(Luminance, ReductionTouchesOnlyTheAreaAndYieldsPureBlackAndWhite)
{
    QImage image(4, 1, QImage::Format_ARGB32_Premultiplied);
    image.setPixel(0, 0, qRgb(128, 128, 128));
    image.setPixel(1, 0, qRgb(129, 129, 129));
    image.setPixel(2, 0, qRgb(255, 0, 0));
    image.setPixel(3, 0, qRgb(0, 255, 0));
    platform::ReduceToBlackAndWhite(image, QRect(0, 0, 3, 1));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(2, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(3, 0), qRgb(0, 255, 0)) << "outside the area";
}

// The per-pixel rule the page and glyph bitmaps use must agree with the
// computed luminance for every colour there is.
TEST(Luminance, PixelRuleAgreesWithTheComputedSumForEveryColour)
{
    int disagreements = 0;
    for (int red = 0; red < 256; ++red) {
        for (int green = 0; green < 256; ++green) {
            for (int blue = 0; blue < 256; ++blue) {
                disagreements += IsInk(qRgb(red, green, blue)) != IsInk(red, green, blue) ? 1 : 0;
            }
        }
    }
    EXPECT_EQ(disagreements, 0);
}
