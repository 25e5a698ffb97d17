// Pictures: decoding from bytes, encoding as PNG, and the memory streams underneath.
#include "graphics/GxMemoryStream.h"
#include "support/Canvas.h"
#include "support/GdiplusSession.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace Gdiplus;
using gx_test::Canvas;

namespace {

constexpr ARGB kRed = 0xFFFF0000;

std::vector<std::uint8_t> SolidPng(int width, int height, ARGB colour) {
    Canvas canvas(width, height, colour);
    canvas.graphics.DeleteGraphics();
    return canvas.bitmap.SaveImageToStream(GxPngFormat);
}

TEST(GxImage, PngSavedAndLoadedAgainKeepsItsSizeAndPixels) {
    Canvas canvas(37, 23);
    canvas.bitmap.BitmapSetPixel(5, 7, kRed);
    canvas.graphics.DeleteGraphics();
    std::vector<std::uint8_t> png = canvas.bitmap.SaveImageToStream(GxPngFormat);
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(0, std::memcmp(png.data(), "\x89PNG\r\n\x1a\n", 8));

    GxImage picture;
    ASSERT_TRUE(picture.LoadImageFromStream(png));
    EXPECT_EQ(37u, picture.GetImageWidth());
    EXPECT_EQ(23u, picture.GetImageHeight());

    GxBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmapFromStream(png));
    EXPECT_EQ(kRed, bitmap.BitmapGetPixel(5, 7));
    EXPECT_EQ(0xFFFFFFFF, bitmap.BitmapGetPixel(6, 7));
}

TEST(GxImage, APictureStaysDrawableAfterTheCallerFreesItsBytes) {
    auto bytes = std::make_unique<std::vector<std::uint8_t>>(SolidPng(8, 8, kRed));
    GxImage picture;
    ASSERT_TRUE(picture.LoadImageFromStream(*bytes));
    std::fill(bytes->begin(), bytes->end(), 0);
    bytes.reset();

    Canvas canvas(30, 30);
    EXPECT_TRUE(canvas.graphics.DrawImageRect(picture, 10, 10, 8, 8));
    EXPECT_EQ(kRed, canvas.Pixel(13, 13));
    EXPECT_EQ(0xFFFFFFFF, canvas.Pixel(25, 25));
}

TEST(GxImage, BadInputFailsWithAStatusAndLeavesNothingBehind) {
    const int streams = GxLiveStreams();
    const int objects = GxLiveObjects();
    GxImage picture;
    EXPECT_FALSE(picture.LoadImageFromStream(nullptr, 100));
    EXPECT_EQ(InvalidParameter, GxLastStatus);
    EXPECT_FALSE(picture.LoadImageFromStream(std::vector<std::uint8_t>()));
    EXPECT_EQ(InvalidParameter, GxLastStatus);
    std::vector<std::uint8_t> truncated = SolidPng(8, 8, kRed);
    truncated.resize(20);
    EXPECT_FALSE(picture.LoadImageFromStream(truncated));
    EXPECT_NE(Ok, GxLastStatus);
    EXPECT_EQ(0u, picture.GetImageWidth());
    EXPECT_EQ(streams, GxLiveStreams());
    EXPECT_EQ(objects, GxLiveObjects());

    GxBitmap bitmap;
    bitmap.CreateBitmap(4, 4);
    EXPECT_TRUE(bitmap.SaveImageToStream("{00000000-0000-0000-0000-000000000000}").empty());
    EXPECT_EQ(UnknownImageFormat, GxLastStatus);
    EXPECT_TRUE(bitmap.SaveImageToStream(nullptr).empty());
}

TEST(GxImage, RotateFlipSwapsTheSides) {
    GxBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(10, 4));
    bitmap.BitmapSetPixel(0, 0, kRed);
    ASSERT_TRUE(bitmap.ImageRotateFlip(Rotate90FlipNone));
    EXPECT_EQ(4u, bitmap.GetImageWidth());
    EXPECT_EQ(10u, bitmap.GetImageHeight());
    EXPECT_EQ(kRed, bitmap.BitmapGetPixel(3, 0));  // the top-left corner went to the top right
}

TEST(GxImage, GdiBitmapOfAPictureKeepsItsPixels) {
    Canvas source(6, 6, kRed);
    source.graphics.DeleteGraphics();
    HBITMAP gdi = source.bitmap.CreateHBITMAPFromBitmap(0);
    ASSERT_NE(nullptr, gdi);
    BITMAP info = {};
    GetObjectA(gdi, sizeof info, &info);
    EXPECT_EQ(6, info.bmWidth);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, gdi);
    EXPECT_EQ(RGB(255, 0, 0), GetPixel(dc, 3, 3));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(gdi);
}

TEST(GxMemoryStream, HoldsExactlyTheBytesGiven) {
    const int streams = GxLiveStreams();
    {
        const std::uint8_t data[] = {1, 2, 3, 4, 5, 6, 7};
        GxMemoryStream stream;
        ASSERT_NE(nullptr, stream.CreateFromBytes(data, sizeof data));
        EXPECT_EQ(sizeof data, stream.GetSize());
        EXPECT_EQ(std::vector<std::uint8_t>(data, data + sizeof data), stream.GetBytes());
        EXPECT_NE(nullptr, stream.GetHandle());
        EXPECT_EQ(streams + 1, GxLiveStreams());

        // Creating again releases the first stream.
        ASSERT_NE(nullptr, stream.CreateFromBytes(nullptr, 0));
        EXPECT_EQ(0u, stream.GetSize());
        EXPECT_TRUE(stream.GetBytes().empty());
        EXPECT_EQ(streams + 1, GxLiveStreams());

        EXPECT_EQ(nullptr, stream.CreateFromBytes(nullptr, 5));
        EXPECT_EQ(streams, GxLiveStreams());
        EXPECT_FALSE(stream.ReleaseStream());
    }
    EXPECT_EQ(streams, GxLiveStreams());
}

}  // namespace
