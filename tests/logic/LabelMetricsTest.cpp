// Font height and gradient bands of the link label, without windows.
#include "common/logic/LabelMetrics.h"
#include <gtest/gtest.h>

namespace {

struct HeightCase {
    int32_t points;
    int32_t pixelsPerInch;
    int32_t height;
};

class LabelFontHeight : public testing::TestWithParam<HeightCase> {};

TEST_P(LabelFontHeight, IsMinusPointsTimesDpiOver72Truncated) {
    EXPECT_EQ(GetParam().height,
              PointSizeToFontHeight(GetParam().points, GetParam().pixelsPerInch));
}

INSTANTIATE_TEST_SUITE_P(Sizes, LabelFontHeight,
                         testing::Values(HeightCase{9, 96, -12}, HeightCase{15, 96, -20},
                                         HeightCase{16, 96, -21}, HeightCase{14, 96, -18},
                                         HeightCase{9, 120, -15}, HeightCase{0, 96, 0}));

TEST(LabelGradientBands, FiftyPixelsGiveFiftyBandsOfOnePixel) {
    LabelGradientBand bands[kLabelGradientMaxBands];
    ASSERT_EQ(50, LabelGradientBands(0, 50, 0x0000FF, 0xFF0000, 100, bands, 100));
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(i, bands[i].left);
        EXPECT_EQ(i + 1, bands[i].right);
    }
}

TEST(LabelGradientBands, WideLabelsGetAHundredBandsTheLastOneReachingTheEdge) {
    LabelGradientBand bands[kLabelGradientMaxBands];
    ASSERT_EQ(100, LabelGradientBands(0, 250, 0, 0, 100, bands, 100));
    for (int i = 0; i < 99; ++i)
        EXPECT_EQ(2, bands[i].right - bands[i].left) << i;
    EXPECT_EQ(198, bands[99].left);
    EXPECT_EQ(250, bands[99].right);
}

TEST(LabelGradientBands, ColoursStepFromStartTowardEndPerChannel) {
    LabelGradientBand bands[kLabelGradientMaxBands];
    ASSERT_EQ(4, LabelGradientBands(10, 14, 0x0000FF, 0xFF0000, 100, bands, 100));
    // red runs 255, 191, 127, 63 (steps of -16320 / 256), blue the other way round
    EXPECT_EQ(0x0000FFu, bands[0].colour);
    EXPECT_EQ(0x3F00BFu, bands[1].colour);
    EXPECT_EQ(0x7F007Fu, bands[2].colour);
    EXPECT_EQ(0xBF003Fu, bands[3].colour);
    EXPECT_EQ(10, bands[0].left);
    EXPECT_EQ(14, bands[3].right);
}

TEST(LabelGradientBands, NoWidthGivesNoBands) {
    LabelGradientBand bands[1];
    EXPECT_EQ(0, LabelGradientBands(5, 5, 0, 0xFFFFFF, 100, bands, 1));
    EXPECT_EQ(0, LabelGradientBands(5, 2, 0, 0xFFFFFF, 100, bands, 1));
}

TEST(LabelGradientBands, NeverWritesPastTheCapacity) {
    LabelGradientBand bands[3] = {};
    bands[2].left = -7;
    EXPECT_EQ(100, LabelGradientBands(0, 500, 0, 0xFFFFFF, 100, bands, 2));
    EXPECT_EQ(-7, bands[2].left);
}

} // namespace
