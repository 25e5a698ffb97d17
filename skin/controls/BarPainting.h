#pragma once
// Drawing steps the track bar and progress bar painters share: new paths, one-pixel
// strokes, two-colour gradients, and the rounded, softly shaded plate both lie on.
#include <windows.h>

#include "graphics/GxPath.h"

class GxGraphics;

namespace skin {

// A new, empty path (alternate fill).
GxPath NewBarPath();
GxPath RoundRectBarPath(float x, float y, float width, float height, int corner);
GxPath RectangleBarPath(float x, float y, float width, float height);
GxPath EllipseBarPath(float x, float y, float width, float height);

// Strokes with a pen of width 1 in world units.
void StrokeBarPath(GxGraphics& surface, const GxPath& path, Gdiplus::ARGB colour);
// Fills with a tiling linear gradient: first at from, second at to.
void FillBarPath(GxGraphics& surface, const GxPath& path, Gdiplus::PointF from, Gdiplus::PointF to, Gdiplus::ARGB first,
                 Gdiplus::ARGB second);

// The plate over the whole control: a faint black rounded outline (corner 5) at
// outlineAlpha and a face inset by one pixel with faceCorner, lighter at the top (at the
// left for a vertical bar) and darker towards the other side.
void DrawBarPlate(GxGraphics& surface, int width, int height, bool vertical, int outlineAlpha, int faceCorner);

}  // namespace skin
