#include "skin/controls/BarPainting.h"

#include "graphics/GxGraphics.h"
#include "graphics/GxPenBrush.h"
#include "skin/draw/Colour.h"
#include "skin/draw/Paths.h"

namespace skin {
namespace {

constexpr int kPlateCorner = 5;
constexpr int kPlateLightAlpha = 160;
constexpr int kPlateDarkAlpha = 30;

}  // namespace

GxPath NewBarPath() {
    GxPath path;
    path.CreatePath(Gdiplus::FillModeAlternate);
    return path;
}

GxPath RoundRectBarPath(float x, float y, float width, float height, int corner) {
    GxPath path = NewBarPath();
    AddRoundRectToPath(path, x, y, width, height, corner);
    return path;
}

GxPath RectangleBarPath(float x, float y, float width, float height) {
    GxPath path = NewBarPath();
    path.AddPathRectangle(x, y, width, height);
    return path;
}

GxPath EllipseBarPath(float x, float y, float width, float height) {
    GxPath path = NewBarPath();
    path.AddPathEllipse(x, y, width, height);
    return path;
}

void StrokeBarPath(GxGraphics& surface, const GxPath& path, Gdiplus::ARGB colour) {
    GxPen pen;
    if (pen.CreatePen1(colour, 1.0f, Gdiplus::UnitWorld)) surface.DrawPath(pen, path);
}

void FillBarPath(GxGraphics& surface, const GxPath& path, Gdiplus::PointF from, Gdiplus::PointF to, Gdiplus::ARGB first,
                 Gdiplus::ARGB second) {
    GxLinearGradientBrush brush;
    if (brush.CreateLineBrush(from, to, first, second, Gdiplus::WrapModeTile)) surface.FillPath(brush, path);
}

void DrawBarPlate(GxGraphics& surface, int width, int height, bool vertical, int outlineAlpha, int faceCorner) {
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    StrokeBarPath(surface, RoundRectBarPath(0, 0, w - 1, h - 1, kPlateCorner), Black(outlineAlpha));
    const Gdiplus::PointF end = vertical ? Gdiplus::PointF(w - 1, 0) : Gdiplus::PointF(0, h - 1);
    FillBarPath(surface, RoundRectBarPath(1, 1, w - 2, h - 2, faceCorner), Gdiplus::PointF(0, 0), end,
                White(kPlateLightAlpha), Black(kPlateDarkAlpha));
}

}  // namespace skin
