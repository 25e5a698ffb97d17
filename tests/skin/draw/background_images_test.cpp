// The faded copy and the sampled colour of background pictures.
#include "skin/draw/BackgroundImages.h"

#include <gtest/gtest.h>

#include "graphics/GxGraphics.h"
#include "graphics/GxImage.h"
#include "graphics/GxPenBrush.h"
#include "support/GdiplusSession.h"
#include "support/Pixels.h"

using testing_support::NearArgb;

namespace {

// A PNG of one colour.
std::vector<uint8_t> UniformPicture(int width, int height, Gdiplus::ARGB colour) {
    GxBitmap bitmap;
    bitmap.CreateBitmap(width, height, PixelFormat32bppARGB);
    {
        GxGraphics graphics;
        graphics.GetImageGraphicsContext(bitmap);
        graphics.GraphicsClear(colour);
    }
    return bitmap.SaveImageToStream(GxPngFormat);
}

TEST(BuildFadedImage, FadesTheRightThirtyPercentAndTheBottomIntoTheColour) {
    const std::vector<uint8_t> png =
        skin::BuildFadedImage(UniformPicture(100, 50, 0xFFFF0000), 0, false, 0xFF0000 /* blue */, false, false);
    GxBitmap faded;
    ASSERT_TRUE(faded.CreateBitmapFromStream(png));
    ASSERT_EQ(100u, faded.GetImageWidth());
    ASSERT_EQ(50u, faded.GetImageHeight());
    EXPECT_TRUE(NearArgb(0xFFFF0000, faded.BitmapGetPixel(70, 10), 2));   // left of the band
    EXPECT_TRUE(NearArgb(0xFF0000FF, faded.BitmapGetPixel(99, 10), 12));  // its far edge
    const Gdiplus::ARGB middle = faded.BitmapGetPixel(85, 10);
    EXPECT_TRUE((middle & 0xFF) > 0x30 && ((middle >> 16) & 0xFF) > 0x30) << std::hex << middle;
    EXPECT_TRUE(NearArgb(0xFFFF0000, faded.BitmapGetPixel(30, 20), 2));  // above the bottom band
    EXPECT_TRUE(NearArgb(0xFF0000FF, faded.BitmapGetPixel(30, 49), 12));

    // The left band, when wanted, starts opaque at the left edge.
    const std::vector<uint8_t> left =
        skin::BuildFadedImage(UniformPicture(100, 50, 0xFFFF0000), 20, true, 0xFF0000, false, true);
    ASSERT_TRUE(faded.CreateBitmapFromStream(left));
    EXPECT_TRUE(NearArgb(0xFF0000FF, faded.BitmapGetPixel(0, 5), 12));
    EXPECT_TRUE(NearArgb(0xFFFF0000, faded.BitmapGetPixel(50, 5), 2));
}

TEST(BuildFadedImage, UndecodableBytesGiveNothing) {
    const uint8_t junk[] = {1, 2, 3, 4, 5};
    EXPECT_TRUE(skin::BuildFadedImage(skin::ByteView(junk, sizeof junk), 0, false, 0, false, false).empty());
    EXPECT_TRUE(skin::BuildFadedImage(skin::ByteView(), 0, false, 0, false, false).empty());
}

TEST(AverageImageColour, UniformPictureGivesItsColourWithFullTopByte) {
    const std::vector<uint8_t> png = UniformPicture(64, 48, 0xFF204080);
    for (int samples : {1, 7, 2000}) EXPECT_EQ(0xFF804020u, skin::AverageImageColour(png, samples, 0, 0)) << samples;
    EXPECT_EQ(0xFF804020u, skin::AverageImageColour(png, 50, 10, 200));  // margins, one beyond the picture
}

TEST(AverageImageColour, SamplesOnlyTheMarginStrips) {
    // Left half black, right 16 columns white: a right margin of 16 sees only white.
    GxBitmap bitmap;
    bitmap.CreateBitmap(64, 32, PixelFormat32bppARGB);
    {
        GxGraphics graphics;
        graphics.GetImageGraphicsContext(bitmap);
        graphics.GraphicsClear(0xFF000000);
        GxSolidBrush white;
        white.CreateSolidFill(0xFFFFFFFF);
        graphics.FillRectangleI(white, 48, 0, 16, 32);
    }
    const std::vector<uint8_t> png = bitmap.SaveImageToStream(GxPngFormat);
    EXPECT_EQ(0xFFFFFFFFu, skin::AverageImageColour(png, 300, 16, 0));
    const COLORREF whole = skin::AverageImageColour(png, 300, 0, 0);
    EXPECT_GT(GetRValue(whole), 0x20);
    EXPECT_LT(GetRValue(whole), 0x80);
    EXPECT_EQ(whole, skin::AverageImageColour(png, 300, 0, 0));  // the same positions every time
}

TEST(AverageImageColour, PicturesWithoutSampleRangeGiveZero) {
    const uint8_t junk[] = {0x89, 'P', 'N', 'G', 0, 0};
    EXPECT_EQ(0u, skin::AverageImageColour(skin::ByteView(junk, sizeof junk), 2000, 0, 0));
    EXPECT_EQ(0u, skin::AverageImageColour(UniformPicture(1, 40, 0xFFFFFFFF), 2000, 0, 0));
    EXPECT_EQ(0u, skin::AverageImageColour(UniformPicture(40, 1, 0xFFFFFFFF), 2000, 0, 0));
    EXPECT_EQ(0u, skin::AverageImageColour(UniformPicture(40, 40, 0xFFFFFFFF), 0, 0, 0));
    EXPECT_EQ(0u, skin::AverageImageColour(UniformPicture(40, 40, 0xFFFFFFFF), -3, 0, 0));
    EXPECT_EQ(0u, skin::AverageImageColour(skin::ByteView(), 10, 0, 0, "Z:\\no\\such\\picture.png"));
}

}  // namespace
