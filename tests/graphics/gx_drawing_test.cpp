// Drawing through the wrappers: what lands in the picture, and what a failed step leaves.
#include "graphics/GxFont.h"
#include "graphics/GxPath.h"
#include "graphics/GxPenBrush.h"
#include "graphics/GxRegion.h"
#include "support/Canvas.h"
#include "support/GdiplusSession.h"

#include <gtest/gtest.h>

using namespace Gdiplus;
using gx_test::Canvas;
using gx_test::NearArgb;

namespace {

constexpr ARGB kWhite = 0xFFFFFFFF;
constexpr ARGB kRed = 0xFFFF0000;
constexpr ARGB kBlue = 0xFF0000FF;

// A new path holding one rectangle.
GxPath RectanglePath(float x, float y, float width, float height) {
    GxPath path;
    path.CreatePath();
    path.AddPathRectangle(x, y, width, height);
    return path;
}

TEST(GxDrawing, FillingWithADeletedPathStoresInvalidParameterAndDrawsNothing) {
    Canvas canvas(20, 20);
    GxSolidBrush red;
    red.CreateSolidFill(kRed);
    GxPath path = RectanglePath(0, 0, 20, 20);
    ASSERT_TRUE(path.DeletePath());

    EXPECT_FALSE(canvas.graphics.FillPath(red, path));
    EXPECT_EQ(InvalidParameter, GxLastStatus);
    EXPECT_EQ(kWhite, canvas.Pixel(10, 10));

    // The same with a live path and a deleted brush.
    GxPath live = RectanglePath(0, 0, 20, 20);
    red.DeleteBrush();
    EXPECT_FALSE(canvas.graphics.FillPath(red, live));
    EXPECT_EQ(InvalidParameter, GxLastStatus);
    EXPECT_EQ(kWhite, canvas.Pixel(10, 10));
}

TEST(GxDrawing, FillsAndStrokesLandWhereTheyAreAsked) {
    Canvas canvas(40, 40);
    GxSolidBrush red;
    red.CreateSolidFill(kRed);
    GxPath path = RectanglePath(10, 10, 10, 10);
    EXPECT_TRUE(canvas.graphics.FillPath(red, path));
    EXPECT_EQ(Ok, GxLastStatus);
    EXPECT_EQ(kRed, canvas.Pixel(15, 15));
    EXPECT_EQ(kWhite, canvas.Pixel(25, 15));

    GxPen blue;
    blue.CreatePen1(kBlue, 1);
    EXPECT_TRUE(canvas.graphics.DrawLine(blue, 0, 30, 40, 30));
    EXPECT_EQ(kBlue, canvas.Pixel(20, 30));
    EXPECT_EQ(kWhite, canvas.Pixel(20, 28));

    // Clipped fills stay inside the clip.
    canvas.graphics.SetClipRect(0, 0, 5, 40);
    canvas.graphics.FillRectangle(red, 0, 0, 40, 40);
    canvas.graphics.ResetClip();
    EXPECT_EQ(kRed, canvas.Pixel(2, 35));
    EXPECT_EQ(kWhite, canvas.Pixel(8, 35));
}

TEST(GxDrawing, LinearGradientPutsTheFirstColourAtTheFirstPoint) {
    Canvas canvas(100, 4);
    GxLinearGradientBrush gradient;
    ASSERT_TRUE(gradient.CreateLineBrush(PointF(0, 0), PointF(100, 0), kRed, kBlue));
    canvas.graphics.FillRectangle(gradient, 0, 0, 100, 4);
    EXPECT_TRUE(NearArgb(kRed, canvas.Pixel(0, 1), 8));
    EXPECT_TRUE(NearArgb(kBlue, canvas.Pixel(99, 1), 8));

    // A preset blend replaces the two colours: white, black, white.
    const ARGB colours[] = {kWhite, 0xFF000000, kWhite};
    const float positions[] = {0.0f, 0.5f, 1.0f};
    ASSERT_TRUE(gradient.SetLinePresetBlend(colours, positions, 3));
    canvas.graphics.FillRectangle(gradient, 0, 0, 100, 4);
    EXPECT_TRUE(NearArgb(0xFF000000, canvas.Pixel(50, 1), 8));
    EXPECT_TRUE(NearArgb(kWhite, canvas.Pixel(0, 1), 8));
}

TEST(GxDrawing, PathGradientTakesCentreAndSurroundColours) {
    Canvas canvas(41, 41);
    GxPath disc;
    disc.CreatePath();
    disc.AddPathEllipse(0, 0, 40, 40);
    GxPathGradientBrush radial;
    ASSERT_TRUE(radial.CreatePathGradientFromPath(disc));
    ASSERT_TRUE(radial.SetPathGradientCenterColor(kRed));
    ARGB surround = kBlue;
    int count = 1;
    ASSERT_TRUE(radial.SetPathGradientSurroundColorsWithCount(&surround, &count));
    canvas.graphics.FillPath(radial, disc);
    ARGB centre = canvas.Pixel(20, 20);
    EXPECT_GT((centre >> 16) & 0xFF, 0xE0u) << std::hex << centre;  // nearly pure red at the centre
    EXPECT_LT(centre & 0xFF, 0x40u) << std::hex << centre;
    ARGB edge = canvas.Pixel(2, 20);
    EXPECT_GT(edge & 0xFF, (edge >> 16) & 0xFF) << std::hex << edge;  // bluer than red near the rim
}

TEST(GxDrawing, AnsiTextIsMeasuredAndDrawn) {
    Canvas canvas(80, 30);
    GxFont font;
    ASSERT_TRUE(font.CreateFontFromName("宋体", 16, FontStyleRegular, UnitPixel)) << GxLastStatus;
    GxSolidBrush black;
    black.CreateSolidFill(0xFF000000);
    RectF bounds;
    ASSERT_TRUE(canvas.graphics.MeasureString("怪物", font, RectF(0, 0, 0, 0), nullptr, &bounds));
    EXPECT_GT(bounds.Width, 24.0f);  // two full-width characters, not four bytes of garbage
    EXPECT_LT(bounds.Width, 60.0f);

    GxStringFormat centred;
    centred.CreateStringFormat();
    centred.SetStringFormatAlign(StringAlignmentCenter);
    centred.SetStringFormatLineAlign(StringAlignmentCenter);
    ASSERT_TRUE(canvas.graphics.DrawString("怪物", font, RectF(0, 0, 80, 30), &centred, black));
    int dark = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x)
            if ((canvas.Pixel(x, y) & 0xFF) < 128) ++dark;
    EXPECT_GT(dark, 20);
    // Centred: nothing near the left and right ends.
    for (int y = 0; y < 30; ++y) {
        EXPECT_EQ(kWhite, canvas.Pixel(2, y));
        EXPECT_EQ(kWhite, canvas.Pixel(77, y));
    }
}

TEST(GxDrawing, RegionFromAPathFillsItsShape) {
    Canvas canvas(30, 30);
    GxPath path = RectanglePath(5, 5, 10, 10);
    GxRegion region;
    ASSERT_TRUE(region.CreateRegionPath(path));
    EXPECT_FALSE(region.IsEmptyRegion(canvas.graphics));
    EXPECT_TRUE(region.IsVisibleRegionPoint(7, 7));
    EXPECT_FALSE(region.IsVisibleRegionPoint(20, 20));
    GxSolidBrush red;
    red.CreateSolidFill(kRed);
    EXPECT_TRUE(canvas.graphics.FillRegion(red, region));
    EXPECT_EQ(kRed, canvas.Pixel(10, 10));
    EXPECT_EQ(kWhite, canvas.Pixel(20, 20));
}

}  // namespace
