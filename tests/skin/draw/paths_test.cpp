// Rounded outlines read back point by point, and the glow stroke's halo.
#include "skin/draw/Paths.h"

#include "graphics/GxGraphics.h"
#include "graphics/GxImage.h"
#include "graphics/GxPath.h"
#include "support/GdiplusSession.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using Gdiplus::PointF;

namespace {

constexpr BYTE kCloseSubpath = 0x80;
constexpr BYTE kTypeMask = 0x07;

void ExpectPoint(const PointF& point, float x, float y, const char* what) {
    EXPECT_NEAR(x, point.X, 1e-3) << what;
    EXPECT_NEAR(y, point.Y, 1e-3) << what;
}

// Start and end point of each of the four corner arcs (each one four-point Bézier).
void ExpectRoundRect(int corner, float x, float y, float w, float h, float c) {
    SCOPED_TRACE(testing::Message() << "corner " << corner);
    GxPath path;
    path.CreatePath();
    skin::AddRoundRectToPath(path, x, y, w, h, corner);
    std::vector<PointF> points = path.GetPathPoints();
    std::vector<BYTE> types = path.GetPathTypes();
    ASSERT_EQ(16u, points.size());
    ExpectPoint(points[0], x + w - c / 2, y, "top-right arc start");
    ExpectPoint(points[3], x + w, y + c / 2, "top-right arc end");
    ExpectPoint(points[4], x + w, y + h - c / 2 - 0.5f, "bottom-right arc start");
    ExpectPoint(points[7], x + w - c / 2 - 0.5f, y + h, "bottom-right arc end");
    ExpectPoint(points[8], x + c / 2, y + h, "bottom-left arc start");
    ExpectPoint(points[11], x, y + h - c / 2, "bottom-left arc end");
    ExpectPoint(points[12], x, y + c / 2, "top-left arc start");
    ExpectPoint(points[15], x + c / 2, y, "top-left arc end");
    EXPECT_EQ(0, types[0] & kTypeMask);  // one figure, starting at the first point
    for (size_t i = 1; i < types.size(); ++i) EXPECT_NE(0, types[i] & kTypeMask) << i;
    EXPECT_EQ(kCloseSubpath, types.back() & kCloseSubpath);
}

TEST(AddRoundRectToPath, CornerIsClampedToOneThroughHundred) {
    ExpectRoundRect(0, 10, 20, 100, 50, 1);
    ExpectRoundRect(-5, 10, 20, 100, 50, 1);
    ExpectRoundRect(1, 10, 20, 100, 50, 1);
    ExpectRoundRect(5, 0, 0, 80, 24, 5);
    ExpectRoundRect(100, 0, 0, 300, 200, 100);
    ExpectRoundRect(250, 0, 0, 300, 200, 100);
}

TEST(AddRoundRectToPath, StartsItsOwnFigureAfterAnOpenOne) {
    GxPath path;
    path.CreatePath();
    path.AddPathLine(0, 0, 5, 5);
    skin::AddRoundRectToPath(path, 10, 10, 40, 20, 6);
    std::vector<BYTE> types = path.GetPathTypes();
    ASSERT_EQ(18u, types.size());
    EXPECT_EQ(0, types[2] & kTypeMask);  // the outline does not join the line
}

TEST(AddTopRoundedRectToPath, LeavesTheBottomOpen) {
    GxPath path;
    path.CreatePath();
    skin::AddTopRoundedRectToPath(path, 10, 20, 100, 50, 10);
    std::vector<PointF> points = path.GetPathPoints();
    std::vector<BYTE> types = path.GetPathTypes();
    ASSERT_GE(points.size(), 12u);
    ExpectPoint(points.front(), 10, 70, "bottom of the left edge");
    ExpectPoint(points.back(), 110, 70, "bottom of the right edge");
    EXPECT_EQ(0, types.back() & kCloseSubpath);
    Gdiplus::RectF bounds;
    path.GetPathWorldBounds(&bounds);
    EXPECT_NEAR(10, bounds.X, 1e-3);
    EXPECT_NEAR(20, bounds.Y, 1e-3);
    EXPECT_NEAR(100, bounds.Width, 1e-3);
    EXPECT_NEAR(50, bounds.Height, 1e-3);
    bool topEdge = false;
    for (size_t i = 0; i + 1 < points.size(); ++i)
        if (std::abs(points[i].X - 20) < 1e-3 && std::abs(points[i].Y - 20) < 1e-3 &&
            std::abs(points[i + 1].X - 100) < 1e-3 && std::abs(points[i + 1].Y - 20) < 1e-3)
            topEdge = true;
    EXPECT_TRUE(topEdge) << "a straight top edge from x + corner to x + width - corner";
}

TEST(DrawPathGlow, BuildsAHaloThatFadesOutwards) {
    GxBitmap bitmap;
    bitmap.CreateBitmap(40, 40);
    GxGraphics graphics;
    graphics.GetImageGraphicsContext(bitmap);
    graphics.GraphicsClear(0xFFFFFFFF);
    GxPath line;
    line.CreatePath();
    line.AddPathLine(0, 20.5f, 40, 20.5f);
    const int objects = GxLiveObjects();

    skin::DrawPathGlow(graphics, line, 6, RGB(0, 0, 255), 60);
    EXPECT_EQ(objects, GxLiveObjects());  // its pen is gone again
    graphics.Flush(Gdiplus::FlushIntentionSync);
    auto red = [&](int y) { return static_cast<int>((bitmap.BitmapGetPixel(20, y) >> 16) & 0xFF); };
    EXPECT_LT(red(20), red(18));  // darkest on the path
    EXPECT_LT(red(22), 255);      // still tinted two pixels out
    EXPECT_EQ(255, red(10));      // nothing beyond the widest stroke
    EXPECT_EQ(255, red(30));

    skin::DrawPathGlow(graphics, line, 0, RGB(0, 0, 0), 255);
    skin::DrawPathGlow(graphics, line, -3, RGB(0, 0, 0), 255);
    EXPECT_EQ(255, red(10));
    EXPECT_EQ(objects, GxLiveObjects());
}

}  // namespace
