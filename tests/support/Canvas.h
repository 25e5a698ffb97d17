#pragma once
// A white 32-bit ARGB picture with a drawing surface over it, read back pixel by pixel.
#include "graphics/GxGraphics.h"
#include "graphics/GxImage.h"
#include "support/Pixels.h"

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

using testing_support::NearArgb;

}  // namespace gx_test
