// The background gradient's rows and bands: colours per row, band boundaries, bounded writing.
#include "setup/wizard/logic/GradientRows.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

const uint32_t kBlue = 0xFF0000;
const uint32_t kBlack = 0x000000;

uint32_t Blue(uint32_t colour) {
    return (colour >> 16) & 0xFF;
}

std::vector<GradientBand> Split(uint32_t from, uint32_t to, int32_t height, int32_t capacity) {
    std::vector<GradientBand> bands(capacity + 1, GradientBand{0xDEADBEEF, -1, -1});
    int32_t count = SplitGradientBands(from, to, height, bands.data(), capacity);
    EXPECT_EQ(0xDEADBEEF, bands[capacity].colour) << "wrote past the capacity";
    bands.resize(count);
    return bands;
}

} // namespace

TEST(WizardGradient, RowsOf768BlueToBlack) {
    struct Case {
        int32_t row;
        uint32_t blue;
    } cases[] = {{0, 255}, {1, 254}, {3, 254}, {4, 253}, {6, 253}, {7, 252}, {765, 0}, {767, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(c.blue << 16, GradientRowColour(kBlue, kBlack, c.row, 768)) << "row " << c.row;
}

TEST(WizardGradient, OnlyDifferingChannelsChange) {
    // Red stays 0x12, green goes 0 -> 0x80, blue stays 0x34.
    uint32_t from = 0x340012, to = 0x348012;
    EXPECT_EQ(from, GradientRowColour(from, to, 0, 100));
    EXPECT_EQ(0x344012u, GradientRowColour(from, to, 50, 100));
    EXPECT_EQ(0x347E12u, GradientRowColour(from, to, 99, 100));
    EXPECT_EQ(0x00FF00u, GradientRowColour(0x00FF00, 0x00FF00, 7, 10));
}

TEST(WizardGradient, BandsOf768Rows) {
    std::vector<GradientBand> bands = Split(kBlue, kBlack, 768, 768);
    ASSERT_EQ(256u, bands.size());
    EXPECT_EQ(0, bands[0].firstRow);
    EXPECT_EQ(1, bands[0].endRow);
    EXPECT_EQ(kBlue, bands[0].colour);
    EXPECT_EQ(1, bands[1].firstRow);
    EXPECT_EQ(4, bands[1].endRow);
    EXPECT_EQ(254u, Blue(bands[1].colour));
    EXPECT_EQ(765, bands[255].firstRow);
    EXPECT_EQ(768, bands[255].endRow);
    EXPECT_EQ(kBlack, bands[255].colour);
}

TEST(WizardGradient, EveryRowBelongsToExactlyOneBandOfItsColour) {
    for (int32_t height : {1, 2, 255, 256, 257, 600, 1024, 1200}) {
        std::vector<GradientBand> bands = Split(kBlue, kBlack, height, height);
        ASSERT_FALSE(bands.empty());
        EXPECT_LE(bands.size(), 256u);
        int32_t next = 0;
        for (const GradientBand& band : bands) {
            EXPECT_EQ(next, band.firstRow) << "height " << height;
            EXPECT_LT(band.firstRow, band.endRow);
            for (int32_t row = band.firstRow; row < band.endRow; ++row)
                EXPECT_EQ(band.colour, GradientRowColour(kBlue, kBlack, row, height));
            next = band.endRow;
        }
        EXPECT_EQ(height, next);
    }
}

TEST(WizardGradient, NoHeightGivesNoBands) {
    GradientBand band{};
    EXPECT_EQ(0, SplitGradientBands(kBlue, kBlack, 0, &band, 1));
    EXPECT_EQ(0, SplitGradientBands(kBlue, kBlack, -5, &band, 1));
    EXPECT_EQ(0, SplitGradientBands(kBlue, kBlack, 10, &band, 0));
}

TEST(WizardGradient, TooSmallTableIsFilledToItsEndAndTheLastBandRunsToTheBottom) {
    // A window taller than the screen was when the table was made: 1200 rows into 100 bands.
    std::vector<GradientBand> bands = Split(kBlue, kBlack, 1200, 100);
    ASSERT_EQ(100u, bands.size());
    EXPECT_EQ(1200, bands[99].endRow);
    for (size_t i = 1; i < bands.size(); ++i)
        EXPECT_EQ(bands[i - 1].endRow, bands[i].firstRow);
}
