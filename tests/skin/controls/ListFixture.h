#pragma once
// Helpers for the list-like control tests: controls with extended styles on a skinned
// popup, pixel reads from the whole-window DC, and the colours the frame should show.
#include <windows.h>

#include <cstdlib>

#include "skin/controls/ControlFixture.h"

namespace list_test {

inline HWND AddControl(const controls_test::SkinnedPopup& popup, const char* className, DWORD style, DWORD exStyle,
                       int x, int y, int width, int height, int id = 0) {
    return CreateWindowExA(exStyle, className, "", WS_CHILD | WS_VISIBLE | style, x, y, width, height, popup.hwnd(),
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

// A pixel of the window's own surface, in window coordinates (borders included).
inline COLORREF WindowPixel(HWND window, int x, int y) {
    HDC dc = GetWindowDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

// A pixel of the client area.
inline COLORREF ClientPixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

// colour laid over under at alpha (0..255), per channel.
inline COLORREF Over(COLORREF under, COLORREF colour, int alpha) {
    auto mix = [alpha](int u, int c) { return (u * (255 - alpha) + c * alpha + 127) / 255; };
    return RGB(mix(GetRValue(under), GetRValue(colour)), mix(GetGValue(under), GetGValue(colour)),
               mix(GetBValue(under), GetBValue(colour)));
}

inline bool Near(COLORREF a, COLORREF b, int tolerance = 4) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// Repaints the frame and the client area at once.
inline void RedrawAll(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace list_test

// gtest prints COLORREFs as plain numbers; hex reads better next to RGB().
#define EXPECT_COLOUR_NEAR(expected, actual)           \
    EXPECT_TRUE(list_test::Near((expected), (actual))) \
        << std::hex << "expected 0x" << (expected) << " got 0x" << (actual)
