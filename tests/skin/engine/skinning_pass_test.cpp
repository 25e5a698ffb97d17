// The engine-wide background: which colours it takes, and windows already shown follow it.
#include <gtest/gtest.h>

#include "support/FrameFixture.h"
#include "graphics/GxGraphics.h"
#include "graphics/GxImage.h"
#include "graphics/GxPenBrush.h"
#include "support/GdiplusSession.h"

using namespace skin;
using namespace frame_test;

namespace {

using SkinningPass = FrameTest;

std::vector<uint8_t> UniformPng(Gdiplus::ARGB colour) {
    GxBitmap bitmap;
    bitmap.CreateBitmap(40, 30);
    GxGraphics g;
    g.GetImageGraphicsContext(bitmap);
    GxSolidBrush brush;
    brush.CreateSolidFill(colour);
    g.FillRectangleI(brush, 0, 0, 40, 30);
    g.DeleteGraphics();
    return bitmap.SaveImageToStream(GxPngFormat);
}

TEST_F(SkinningPass, BackgroundColoursComeFromThePictureOrTheCaller) {
    const std::vector<uint8_t> picture = UniformPng(0xFF3366CC);  // COLORREF 0xCC6633
    engine().setBackground("", picture, std::nullopt, kThemeColourFromBackColour, std::nullopt);
    EXPECT_EQ(SkinBackColour, 0xCC6633u);
    EXPECT_EQ(SkinThemeColour, 0xCC6633u);
    EXPECT_EQ(SkinImageMode, 4);
    EXPECT_EQ(SkinBackgroundImage, picture);

    // A faded mode stores a new picture, not the caller's bytes.
    engine().setBackground("", picture, 0x000000, 0x00FF00, 0);
    EXPECT_EQ(SkinThemeColour, 0x00FF00u);
    EXPECT_FALSE(SkinBackgroundImage.empty());
    EXPECT_NE(SkinBackgroundImage, picture);

    // A colour alone drops the picture; nothing at all changes only the theme.
    engine().setBackground("", ByteView(), 0x123456, std::nullopt, std::nullopt);
    EXPECT_TRUE(SkinBackgroundImage.empty());
    EXPECT_EQ(SkinBackColour, 0x123456u);
    EXPECT_EQ(SkinThemeColour, kDefaultThemeColour);
    engine().setBackground("", ByteView(), std::nullopt, 0x0000FF, std::nullopt);
    EXPECT_EQ(SkinBackColour, 0x123456u);
    EXPECT_EQ(SkinThemeColour, 0x0000FFu);
}

TEST_F(SkinningPass, ShownWindowsAreRecomposedWithTheNewBackground) {
    HWND shown = MakeFrameWindow(300, 200, 0);
    const int index = skinned(shown);
    testing_support::PumpMessages();
    ASSERT_NE(record(index).backgroundDC.get(), nullptr);
    engine().setBackground("", ByteView(), 0x00A000, std::nullopt, std::nullopt);
    EXPECT_EQ(GetPixel(record(index).backgroundDC.get(), 150, 100), 0x00A000u);
}

}  // namespace
