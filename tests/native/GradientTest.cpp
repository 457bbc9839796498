#include <gtest/gtest.h>

#include "wizard/Gradient.h"

TEST(Gradient, DefaultColoursRunFromBlueToBlackInThreeRowBands) {
    const GradientBands bands = ComputeGradientBands({0, 0, 255}, {0, 0, 0}, 768);
    for (int i = 0; i < 256; ++i) {
        const GradientBand& band = bands[static_cast<size_t>(i)];
        EXPECT_EQ(band.Fill, MakeColour(0, 0, 255 - i)) << i;
        EXPECT_EQ(band.Top, 3 * i) << i;
        EXPECT_EQ(band.Bottom, 3 * i + 3) << i;
        EXPECT_EQ(band.FillBottom, band.Bottom) << i;
    }
}

TEST(Gradient, OutOfRangeChannelsKeepTheirLowByte) {
    const GradientBands bands = ComputeGradientBands({300, -1, 0}, {300, -1, 600}, 768);
    EXPECT_EQ(bands[0].Fill, MakeColour(44, 255, 0));
    EXPECT_EQ(bands[255].Fill, MakeColour(44, 255, 600 & 0xFF));
}

TEST(Gradient, HeightsThatLeaveRowsUncovered) {
    const GradientBands bands = ComputeGradientBands({0, 0, 0}, {0, 0, 0}, 600);
    EXPECT_EQ(bands[2].Top, 4);
    EXPECT_EQ(bands[2].Bottom, 6);
    EXPECT_EQ(bands[3].Top, 7);
    // Row 6 and the last row are painted with the colour of the band above.
    EXPECT_EQ(bands[2].FillBottom, 7);
    EXPECT_EQ(bands[255].Bottom, 599);
    EXPECT_EQ(bands[255].FillBottom, 600);

    const GradientBands flat = ComputeGradientBands({10, 20, 30}, {10, 20, 30}, 1);
    EXPECT_EQ(flat[0].Top, 0);
    EXPECT_EQ(flat[255].Fill, MakeColour(10, 20, 30));
}
