#pragma once
// 32-bit top-down pictures, the one layout every picture the skin composes has, and plain
// copies of their pixels for the stores that keep finished pictures without GDI objects.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace skin {

// Pixels of a width x height picture, top row first.
struct PixelCopy {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    explicit operator bool() const { return !pixels.empty(); }
};

BITMAPINFO TopDownInfo(int width, int height);

// A zero-filled (transparent black) section, or null.
HBITMAP CreateTopDownSection(int width, int height);

// The pixels of the bitmap selected into dc; empty when they cannot be read.
PixelCopy CopyPixels(HDC dc, int width, int height);

// Premultiplied pixels composited over an opaque fill of colour, as GDI's per-pixel-alpha
// blend leaves them on a section filled by FillRect (whose alpha bytes are zero).
PixelCopy CompositeOverFill(const PixelCopy& premultiplied, COLORREF colour);

// Copies the pixels one to one to dc at `at`, through dc's clip.
bool DrawPixels(const PixelCopy& copy, HDC dc, POINT at);

// The same, leaving out pixels of keyColour (through a clip made of the kept runs).
bool DrawPixelsKeyed(const PixelCopy& copy, HDC dc, POINT at, COLORREF keyColour);

}  // namespace skin
