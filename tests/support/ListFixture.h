#pragma once
// Helpers for the list-like control tests: controls with extended styles on the shared
// skinned popup, and the pixel helpers their frames are checked with.
#include <windows.h>

#include "support/Pixels.h"
#include "support/SkinnedPopup.h"

namespace list_test {

using testing_support::Blend;
using testing_support::Near;
using testing_support::PixelAt;
using testing_support::WindowPixel;

inline HWND AddControl(const testing_support::SkinnedPopup& popup, const char* className, DWORD style, DWORD exStyle,
                       int x, int y, int width, int height, int id = 0) {
    return testing_support::AddChild(popup.hwnd(), className, "", style, exStyle, x, y, width, height, id);
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
