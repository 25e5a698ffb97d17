#include "skin/draw/Paths.h"

#include "graphics/GxGraphics.h"
#include "graphics/GxPath.h"
#include "graphics/GxPenBrush.h"
#include "skin/draw/Colour.h"

#include <algorithm>

namespace skin {
namespace {
constexpr int kMinCorner = 1;
constexpr int kMaxCorner = 100;

// Sums are formed in double precision and rounded once when handed to GDI+.
float F(double value) { return static_cast<float>(value); }
}  // namespace

void AddRoundRectToPath(GxPath& path, float x, float y, float width, float height, int corner) {
    const double c = std::clamp(corner, kMinCorner, kMaxCorner);
    const double left = x, top = y, w = width, h = height;
    // A new figure, so that the arcs never join a figure the caller left open.
    path.StartPathFigure();
    path.AddPathArc(F(left + w - c), F(top), F(c), F(c), 270, 90);
    path.AddPathArc(F(left + w - c - 1), F(top + h - c - 1), F(c + 1), F(c + 1), 0, 90);
    path.AddPathArc(F(left), F(top + h - c), F(c), F(c), 90, 90);
    path.AddPathArc(F(left), F(top), F(c), F(c), 180, 90);
    path.ClosePathFigure();
}

void AddTopRoundedRectToPath(GxPath& path, int x, int y, int width, int height, int corner) {
    const double left = x, top = y, w = width, h = height, c = corner;
    path.StartPathFigure();
    path.AddPathLine(F(left), F(top + h), F(left), F(top + c));
    path.AddPathArc(F(left), F(top), F(c), F(c), 180, 90);
    path.AddPathLine(F(left + c), F(top), F(left + w - c), F(top));
    path.AddPathArc(F(left + w - c), F(top), F(c), F(c), 270, 90);
    path.AddPathLine(F(left + w), F(top + c), F(left + w), F(top + h));
}

bool StrokeRoundRect(GxGraphics& graphics, float x, float y, float width, float height, int corner,
                     std::uint32_t colour) {
    GxPath path;
    GxPen pen;
    if (!path.CreatePath() || !pen.CreatePen1(colour, 1.0f)) return false;
    AddRoundRectToPath(path, x, y, width, height, corner);
    return graphics.DrawPath(pen, path);
}

void DrawPathGlow(GxGraphics& graphics, const GxPath& path, int count, COLORREF colour, int alpha) {
    GxPen pen;
    pen.CreatePen1(RgbToArgb(colour, alpha, true), 1.0f, Gdiplus::UnitWorld);
    for (int width = 1; width <= count; ++width) {
        pen.SetPenWidth(static_cast<float>(width));
        graphics.DrawPath(pen, path);
    }
    pen.DeletePen();
}

}  // namespace skin
