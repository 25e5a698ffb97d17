#pragma once
// Reading a window's pixels back and predicting translucent colours, for pixel tests.
#include <windows.h>

#include <cstdlib>
#include <ostream>

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

// True when every channel lies within tolerance.
inline bool Near(const Rgb& a, const Rgb& b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

// colour at alpha (0..255) laid over what is there.
inline Rgb Over(const Rgb& under, const Rgb& colour, double alpha) {
    const double a = alpha / 255.0;
    return Rgb{static_cast<int>(under.r + (colour.r - under.r) * a + 0.5),
               static_cast<int>(under.g + (colour.g - under.g) * a + 0.5),
               static_cast<int>(under.b + (colour.b - under.b) * a + 0.5)};
}

// A pixel of the window: client coordinates, or window coordinates when whole is set.
inline Rgb WindowPixel(HWND window, int x, int y, bool whole = false) {
    HDC dc = whole ? GetWindowDC(window) : GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return ToRgb(colour);
}

// Paints a rectangle of the window one colour, so that a later repaint can be told apart
// from none: whatever still shows the colour was not painted again.
inline void Scribble(HWND window, const RECT& area, COLORREF colour, bool whole = false) {
    HDC dc = whole ? GetWindowDC(window) : GetDC(window);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
    ReleaseDC(window, dc);
}

}  // namespace testing_support
