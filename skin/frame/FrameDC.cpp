#include "skin/frame/FrameDC.h"

namespace skin {

void ClipOutOpaqueChildren(HWND window, HDC dc) {
    if (!window || !dc) return;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child) || (GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT)) continue;
        RECT r = {};
        GetWindowRect(child, &r);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
}

}  // namespace skin
