#pragma once
// A white 32-bit ARGB picture with a drawing surface over it, read back pixel by pixel.
#include "graphics/GxGraphics.h"
#include "graphics/GxImage.h"

#include <cstdlib>

namespace gx_test {

class Canvas {
public:
    Canvas(int width, int height, Gdiplus::ARGB background = 0xFFFFFFFF) {
        bitmap.CreateBitmap(width, height, PixelFormat32bppARGB);
        graphics.GetImageGraphicsContext(bitmap);
        graphics.GraphicsClear(background);
    }
    Gdiplus::ARGB Pixel(int x, int y) {
        graphics.Flush(Gdiplus::FlushIntentionSync);
        return bitmap.BitmapGetPixel(x, y);
    }

    GxBitmap bitmap;
    GxGraphics graphics;
};

// Every channel within tolerance.
inline bool Near(Gdiplus::ARGB a, Gdiplus::ARGB b, int tolerance = 3) {
    for (int shift = 0; shift < 32; shift += 8) {
        int ca = static_cast<int>((a >> shift) & 0xFF), cb = static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(ca - cb) > tolerance) return false;
    }
    return true;
}

}  // namespace gx_test
