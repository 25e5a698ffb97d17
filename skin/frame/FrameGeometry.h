#pragma once
// Points and rectangles as the frame handlers read them from messages and records.
#include <windows.h>

#include "skin/core/Entries.h"

namespace skin {

// Mouse messages carry signed 16-bit coordinates, negative left of or above the client area.
inline int PointX(LPARAM point) { return static_cast<short>(LOWORD(static_cast<DWORD>(point))); }
inline int PointY(LPARAM point) { return static_cast<short>(HIWORD(static_cast<DWORD>(point))); }

// Float comparisons of hit tests allow for the rounding of the stored float rectangles.
inline constexpr double kHitTolerance = 1e-7;
inline bool Greater(double a, double b) { return a - b > kHitTolerance; }
inline bool AtLeast(double a, double b) { return a - b > -kHitTolerance; }

// The integer rectangle a float rectangle covers, each edge truncated.
inline RECT TruncatedRect(const FloatRect& r) {
    return RECT{static_cast<LONG>(r.x), static_cast<LONG>(r.y), static_cast<LONG>(r.x + r.width),
                static_cast<LONG>(r.y + r.height)};
}

}  // namespace skin
