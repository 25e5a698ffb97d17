#pragma once
// Reading back what a control shows, for pixel tests with small tolerances.
#include <windows.h>

#include <cstdlib>
#include <vector>

namespace controls_test {

inline COLORREF PixelAt(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

// Every channel within tolerance.
inline bool Near(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// Paints the control's client area one colour behind the skin's back (no message is sent).
inline void Scribble(HWND window, COLORREF colour) {
    HDC dc = GetDC(window);
    RECT client;
    GetClientRect(window, &client);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    ReleaseDC(window, dc);
}

// Pixels in the rectangle that differ from the colour by more than the tolerance.
inline int CountUnlike(HWND window, const RECT& area, COLORREF colour, int tolerance) {
    HDC dc = GetDC(window);
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (!Near(GetPixel(dc, x, y), colour, tolerance)) ++count;
        }
    }
    ReleaseDC(window, dc);
    return count;
}

// The rectangle's pixels, row by row.
inline std::vector<COLORREF> Grab(HWND window, const RECT& area) {
    std::vector<COLORREF> pixels;
    HDC dc = GetDC(window);
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) pixels.push_back(GetPixel(dc, x, y));
    }
    ReleaseDC(window, dc);
    return pixels;
}

}  // namespace controls_test
