#include "skin/controls/ScrollBars.h"

namespace skin {
namespace {

// The wParam of WM_NCPAINT that names no region: the system paints no part of the frame.
constexpr WPARAM kNoRegion = static_cast<WPARAM>(-1);

bool HasStyle(LONG style, LONG bit) { return (style & bit) != 0; }

int FloorHalf(int value) { return value >= 0 ? value / 2 : -((-value + 1) / 2); }

bool ScrollBarRect(HWND window, LONG objectId, RECT& rect) {
    SCROLLBARINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetScrollBarInfo(window, objectId, &info)) return false;
    rect = info.rcScrollBar;
    return true;
}

}  // namespace

bool HasScrollBar(HWND window) { return HasStyle(GetWindowLongA(window, GWL_STYLE), WS_HSCROLL | WS_VSCROLL); }

RECT ScrollAreaRect(HWND window) {
    RECT windowRect = {};
    RECT client = {};
    if (!GetWindowRect(window, &windowRect) || !GetClientRect(window, &client)) return RECT{0, 0, 0, 0};
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    int innerWidth = client.right - client.left;
    int innerHeight = client.bottom - client.top;
    RECT bar = {};
    if (HasStyle(style, WS_VSCROLL) && ScrollBarRect(window, OBJID_VSCROLL, bar)) innerWidth += bar.right - bar.left;
    if (HasStyle(style, WS_HSCROLL) && ScrollBarRect(window, OBJID_HSCROLL, bar)) innerHeight += bar.bottom - bar.top;
    const int left = FloorHalf(windowRect.right - windowRect.left - innerWidth);
    const int top = FloorHalf(windowRect.bottom - windowRect.top - innerHeight);
    return RECT{left, top, left + innerWidth, top + innerHeight};
}

gdi::Region ScrollBarRegion(HWND window) {
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    const bool horizontal = HasStyle(style, WS_HSCROLL);
    gdi::Region horizontalBar;
    gdi::Region verticalBar;
    RECT lower = {};
    if (horizontal && ScrollBarRect(window, OBJID_HSCROLL, lower)) {
        horizontalBar.reset(CreateRectRgn(lower.left, lower.top, lower.right, lower.bottom));
    }
    RECT side = {};
    if (HasStyle(style, WS_VSCROLL) && ScrollBarRect(window, OBJID_VSCROLL, side)) {
        // Reaching down to the lower bar's bottom takes in the square where the two bars
        // meet, and no further: the bar rectangles may overlap by a pixel, and a bar's
        // width added to the side bar would then reach into the border ring.
        if (horizontalBar) {
            side.bottom = lower.bottom;
        } else if (horizontal) {
            side.bottom += side.right - side.left;
        }
        verticalBar.reset(CreateRectRgn(side.left, side.top, side.right, side.bottom));
    }
    if (!horizontalBar || !verticalBar) return horizontalBar ? std::move(horizontalBar) : std::move(verticalBar);

    gdi::Region both(CreateRectRgn(0, 0, 0, 0));
    if (both) CombineRgn(both.get(), horizontalBar.get(), verticalBar.get(), RGN_OR);
    return both;
}

LRESULT PaintOnlyScrollBars(HWND window, LPARAM lParam) {
    // With no bar there is nothing left for the system to draw, and asking it to draw
    // nothing still costs it a window DC and its region work (about 0.6 ms under Wine).
    if (!HasScrollBar(window)) return 0;
    const gdi::Region bars = ScrollBarRegion(window);
    if (bars) return DefWindowProcA(window, WM_NCPAINT, reinterpret_cast<WPARAM>(bars.get()), lParam);
    return DefWindowProcA(window, WM_NCPAINT, kNoRegion, lParam);
}

}  // namespace skin
