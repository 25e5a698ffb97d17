#pragma once
// The procedure of container children registered as sub-windows.
#include <windows.h>

namespace skin {

// Paints the sub-window over its top-level window's skin (its entry found through
// "Hw_FuID" and "Hw_lbID"), lays out its pages on resize, draws the owner-drawn buttons
// inside it, answers its controls' colour requests with see-through brushes and repaints
// controls that redrew themselves on an opaque ground. Everything else, and everything
// for a window whose entry is gone, goes on to the procedure in "Hw_hProc".
LRESULT CALLBACK SubWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
