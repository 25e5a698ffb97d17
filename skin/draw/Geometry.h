#pragma once
// Rectangles of windows relative to one another, as the skin painters need them.
#include <windows.h>

namespace skin {

// Thickness the painters assume for a standard scroll bar.
constexpr int SkinScrollBarSize = 17;

// The window's screen rectangle moved so that reference's top-left corner is the origin.
// Invalid handles give zero rectangles.
RECT WindowRectRelativeTo(HWND reference, HWND window);

// The window's rectangle relative to its root window.
RECT WindowRectInRoot(HWND window);

// Where the client area lies inside the window rectangle, in window coordinates,
// assuming equal borders on opposite sides (scroll bars counted on the right and bottom).
RECT ClientRectInWindow(HWND window);

}  // namespace skin
