#pragma once
// Reading back what a window shows, comparing colours with a tolerance and predicting
// translucent colours, for every pixel test.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <vector>

#include "graphics/GdiHandles.h"
#include "graphics/GxImage.h"
#include "skin/draw/TopDownPixels.h"

namespace testing_support {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
};

inline bool operator==(const Rgb& a, const Rgb& b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
inline std::ostream& operator<<(std::ostream& out, const Rgb& c) {
    return out << "rgb(" << c.r << ", " << c.g << ", " << c.b << ")";
}

inline Rgb ToRgb(COLORREF colour) { return Rgb{GetRValue(colour), GetGValue(colour), GetBValue(colour)}; }

// The largest difference between the two colours in any channel.
inline int Difference(const Rgb& a, const Rgb& b) {
    const int r = std::abs(a.r - b.r);
    const int g = std::abs(a.g - b.g);
    const int bl = std::abs(a.b - b.b);
    return r > g ? (r > bl ? r : bl) : (g > bl ? g : bl);
}
inline int Difference(COLORREF a, COLORREF b) { return Difference(ToRgb(a), ToRgb(b)); }

// The ARGB pixels the graphics library decodes from bytes; empty when they do not decode.
inline std::vector<std::uint32_t> LibraryPixels(const void* bytes, size_t size) {
    GxImage picture;
    std::vector<std::uint32_t> pixels;
    if (!picture.LoadImageFromStream(bytes, size) || !picture.ReadArgbPixels(pixels)) pixels.clear();
    return pixels;
}

// How far apart two colours may lie in each channel when a test does not say otherwise:
// enough for the rounding of a blend, too little for a layer that is missing.
inline constexpr int kColourTolerance = 4;

// Every channel within the tolerance. A function object, so that EXPECT_PRED3 takes it
// for either kind of colour.
struct NearColours {
    testing::AssertionResult operator()(const Rgb& a, const Rgb& b, int tolerance = kColourTolerance) const {
        if (Difference(a, b) <= tolerance) return testing::AssertionSuccess();
        return testing::AssertionFailure() << a << " and " << b << " differ by more than " << tolerance;
    }
    testing::AssertionResult operator()(COLORREF a, COLORREF b, int tolerance = kColourTolerance) const {
        if (Difference(a, b) <= tolerance) return testing::AssertionSuccess();
        char text[96];
        std::snprintf(text, sizeof(text), "RGB(%d,%d,%d) and RGB(%d,%d,%d) differ by more than %d", GetRValue(a),
                      GetGValue(a), GetBValue(a), GetRValue(b), GetGValue(b), GetBValue(b), tolerance);
        return testing::AssertionFailure() << text;
    }
};
inline constexpr NearColours Near{};

// The same for 32-bit ARGB values (GDI+ pictures), the alpha channel included.
inline testing::AssertionResult NearArgb(unsigned long a, unsigned long b, int tolerance = kColourTolerance) {
    const Rgb colourA{static_cast<int>((a >> 16) & 0xFF), static_cast<int>((a >> 8) & 0xFF),
                      static_cast<int>(a & 0xFF)};
    const Rgb colourB{static_cast<int>((b >> 16) & 0xFF), static_cast<int>((b >> 8) & 0xFF),
                      static_cast<int>(b & 0xFF)};
    if (Near(colourA, colourB, tolerance) &&
        std::abs(static_cast<int>(a >> 24) - static_cast<int>(b >> 24)) <= tolerance)
        return testing::AssertionSuccess();
    char text[80];
    std::snprintf(text, sizeof(text), "0x%08lX and 0x%08lX differ by more than %d", a, b, tolerance);
    return testing::AssertionFailure() << text;
}

// colour at alpha (0..255) laid over what is there.
inline Rgb Over(const Rgb& under, const Rgb& colour, double alpha) {
    const double a = alpha / 255.0;
    return Rgb{static_cast<int>(under.r + (colour.r - under.r) * a + 0.5),
               static_cast<int>(under.g + (colour.g - under.g) * a + 0.5),
               static_cast<int>(under.b + (colour.b - under.b) * a + 0.5)};
}

// `over` laid on `under` at alpha (0..255), as a source-over stroke or fill draws it.
inline COLORREF Blend(COLORREF under, COLORREF over, int alpha) {
    auto mix = [alpha](int u, int o) { return (o * alpha + u * (255 - alpha) + 127) / 255; };
    return RGB(mix(GetRValue(under), GetRValue(over)), mix(GetGValue(under), GetGValue(over)),
               mix(GetBValue(under), GetBValue(over)));
}

inline gdi::WindowDC SurfaceOf(HWND window, bool whole) {
    return whole ? gdi::WindowDC::Whole(window) : gdi::WindowDC::Client(window);
}

// A pixel of the window: client coordinates, or window coordinates (borders included)
// when whole is set.
inline COLORREF PixelAt(HWND window, int x, int y, bool whole = false) {
    return GetPixel(SurfaceOf(window, whole).get(), x, y);
}
// A pixel of the window as it is on screen, borders included.
inline COLORREF WindowPixel(HWND window, int x, int y) { return PixelAt(window, x, y, true); }

// The rectangle's pixels, row by row, as GetPixel gives them (one copy, not one call each).
inline std::vector<COLORREF> Grab(HWND window, const RECT& area, bool whole = false) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    std::vector<COLORREF> pixels;
    if (width <= 0 || height <= 0) return pixels;
    const gdi::WindowDC dc = SurfaceOf(window, whole);
    gdi::MemoryDC copy(dc.get());
    copy.adopt(skin::CreateTopDownSection(width, height));
    BitBlt(copy.get(), 0, 0, width, height, dc.get(), area.left, area.top, SRCCOPY);
    const skin::PixelCopy read = skin::CopyPixels(copy.get(), width, height);
    for (std::uint32_t bgr : read.pixels) pixels.push_back(RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF));
    return pixels;
}

// The whole window as it is on screen, borders included.
inline std::vector<COLORREF> GrabWindow(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return Grab(window, RECT{0, 0, r.right - r.left, r.bottom - r.top}, true);
}

// Pixels in the client rectangle that differ from the colour by more than the tolerance.
inline int CountUnlike(HWND window, const RECT& area, COLORREF colour, int tolerance) {
    int count = 0;
    for (COLORREF pixel : Grab(window, area)) count += Near(pixel, colour, tolerance) ? 0 : 1;
    return count;
}

// Paints a rectangle of the window one colour behind the skin's back (no message is
// sent), so that a later repaint can be told apart from none.
inline void Scribble(HWND window, const RECT& area, COLORREF colour, bool whole = false) {
    const gdi::WindowDC dc = SurfaceOf(window, whole);
    const gdi::Brush brush(CreateSolidBrush(colour));
    FillRect(dc.get(), &area, brush.get());
}
// The same over the whole client area.
inline void Scribble(HWND window, COLORREF colour) {
    RECT client;
    GetClientRect(window, &client);
    Scribble(window, client, colour);
}

// A 32-bit top-down picture in a memory DC, as a composed background is.
class MemoryCanvas {
public:
    MemoryCanvas(int width, int height) : width_(width), height_(height), dc_(nullptr) {
        BITMAPINFO info = skin::TopDownInfo(width, height);
        dc_.adopt(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    HDC dc() const { return dc_.get(); }
    HDC get() const { return dc_.get(); }
    COLORREF pixel(int x, int y) const {
        GdiFlush();
        return GetPixel(dc_.get(), x, y);
    }

    void fill(COLORREF colour) {
        const gdi::Brush brush(CreateSolidBrush(colour));
        RECT all = {0, 0, width_, height_};
        FillRect(dc_.get(), &all, brush.get());
    }
    // Every pixel opaque, in the colour the function gives for its position.
    template <class ColourAt>
    void paint(ColourAt colourAt) {
        auto* pixels = static_cast<DWORD*>(bits_);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                const COLORREF c = colourAt(x, y);
                pixels[y * width_ + x] = 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
            }
    }

private:
    int width_;
    int height_;
    void* bits_ = nullptr;
    gdi::MemoryDC dc_;
};

}  // namespace testing_support
