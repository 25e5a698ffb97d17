#pragma once
// The rounded outlines every rounded button, frame and tab is built from, and the soft
// glow stroke drawn around them.
#include <windows.h>

#include <cstdint>

class GxGraphics;
class GxPath;

namespace skin {

// Adds one closed rounded rectangle. corner is the diameter of the corner arcs, clamped to
// 1..100; the bottom-right arc is one unit larger and sits one unit further up and left.
void AddRoundRectToPath(GxPath& path, float x, float y, float width, float height, int corner);

// Adds an open outline of the left, top and right edges with the two top corners rounded
// (corner is the arcs' diameter, not clamped); the bottom stays open.
void AddTopRoundedRectToPath(GxPath& path, int x, int y, int width, int height, int corner);

// Strokes the outline AddRoundRectToPath adds with a one-pixel pen of an ARGB colour;
// false when nothing could be drawn.
bool StrokeRoundRect(GxGraphics& graphics, float x, float y, float width, float height, int corner,
                     std::uint32_t colour);

// Strokes the path count times with widths 1..count in a translucent colour, so that the
// strokes build a halo that fades outwards over count pixels.
void DrawPathGlow(GxGraphics& graphics, const GxPath& path, int count, COLORREF colour, int alpha);

}  // namespace skin
