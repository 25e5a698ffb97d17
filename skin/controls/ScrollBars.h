#pragma once
// The scroll bars of a control whose border ring the skin paints (edits and the list-like
// controls): where they are, and the system's share of WM_NCPAINT, which is only they.
#include <windows.h>

#include "graphics/GdiHandles.h"

namespace skin {

// True when the window's style has WS_HSCROLL or WS_VSCROLL.
bool HasScrollBar(HWND window);

// The client area plus the scroll bars the control shows, in window coordinates, centred
// in the window rectangle: what lies around it is the border ring. Unlike
// ClientRectInWindow it measures the real bars.
RECT ScrollAreaRect(HWND window);

// A region in screen coordinates covering the window's scroll bars and the corner square
// between two bars, and nothing of the ring around them; empty when it has none.
gdi::Region ScrollBarRegion(HWND window);

// WM_NCPAINT left to the default procedure for the scroll bars alone, so that the system
// paints nothing of the ring. Answers the default procedure's result.
LRESULT PaintOnlyScrollBars(HWND window, LPARAM lParam);

}  // namespace skin
