// COLORREF to ARGB conversion.
#include "skin/draw/Colour.h"

#include <gtest/gtest.h>

namespace {

using skin::RgbToArgb;

TEST(RgbToArgb, SwapsRedAndBlueAndPutsAlphaOnTop) {
    EXPECT_EQ(0xFFFF0000u, RgbToArgb(0x0000FF, 0, false));  // pure red
    EXPECT_EQ(0xFF22CADDu, RgbToArgb(0xDDCA22, 255, true));
    EXPECT_EQ(0xA0FFFFFFu, RgbToArgb(0xFFFFFF, 160, true));
    EXPECT_EQ(0x00123456u, RgbToArgb(0x563412, 0, true));
}

TEST(RgbToArgb, AlphaIsOpaqueWithoutUseAlphaAndOnlyItsLowByteCounts) {
    EXPECT_EQ(0xFF000000u, RgbToArgb(0x000000, 0, false));
    EXPECT_EQ(0xFF000000u, RgbToArgb(0x000000, 77, false));
    EXPECT_EQ(0xA0000000u, RgbToArgb(0x000000, 0x1A0, true));
    EXPECT_EQ(0xFF000000u, RgbToArgb(0x000000, -1, true));
    // The COLORREF's top byte never reaches the result.
    EXPECT_EQ(0x80FF00FFu, RgbToArgb(0x7FFF00FF, 0x80, true));
}

}  // namespace
