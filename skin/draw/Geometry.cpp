#include "skin/draw/Geometry.h"

#include "skin/draw/WindowQueries.h"

namespace skin {
namespace {

bool HasStyle(LONG style, LONG bit) { return (style | bit) == style; }

// Division by 2 rounded toward negative infinity; borders can come out negative when the
// estimate's scroll bar is not really there.
int FloorHalf(int value) { return value >= 0 ? value / 2 : -((-value + 1) / 2); }

}  // namespace

RECT WindowRectRelativeTo(HWND reference, HWND window) {
    const RECT origin = WindowRectOf(reference);
    const RECT rect = WindowRectOf(window);
    return RECT{rect.left - origin.left, rect.top - origin.top, rect.right - origin.left, rect.bottom - origin.top};
}

RECT WindowRectInRoot(HWND window) { return WindowRectRelativeTo(GetAncestor(window, GA_ROOT), window); }

RECT ClientRectInWindow(HWND window) {
    const RECT windowRect = WindowRectOf(window);
    const RECT client = ClientRectOf(window);
    const int width = windowRect.right - windowRect.left;
    const int height = windowRect.bottom - windowRect.top;
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    const int extraX = HasStyle(style, WS_VSCROLL) ? SkinScrollBarSize : 0;
    const int extraY = HasStyle(style, WS_HSCROLL) ? SkinScrollBarSize : 0;
    const int left = FloorHalf(width - (client.right + extraX));
    const int top = FloorHalf(height - (client.bottom + extraY));
    return RECT{left, top, left + client.right, top + client.bottom};
}

}  // namespace skin
