#include "skin/draw/ChildClipping.h"

#include "skin/core/SkinRegistry.h"

namespace skin {
namespace {

bool IsRecordWindow(HWND window) {
    SkinRegistry& registry = TheSkinRegistry();
    for (int index = 1; index <= registry.count(); ++index) {
        const SkinnedWindow* record = registry.at(index);
        if (record && record->hwnd == window) return true;
    }
    return false;
}

}  // namespace

bool IsTransparentWindow(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0; }

RECT ChildRectInParentClient(HWND child) {
    if (!child || IsRecordWindow(child)) return RECT{0, 0, 0, 0};
    POINT origin = {0, 0};
    ClientToScreen(GetParent(child), &origin);
    RECT rect = {};
    if (!GetWindowRect(child, &rect)) return RECT{0, 0, 0, 0};
    return RECT{rect.left - origin.x, rect.top - origin.y, rect.right - origin.x, rect.bottom - origin.y};
}

HDC GetClientDCWithoutChildren(HWND window, HDC dc) {
    if (!window || !dc) return dc;
    for (HWND child = FindWindowExA(window, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(window, child, nullptr, nullptr)) {
        if (!IsWindowVisible(child) || IsTransparentWindow(child)) continue;
        const RECT r = ChildRectInParentClient(child);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    return dc;
}

gdi::WindowDC GetClientDCWithoutChildren(HWND window) {
    gdi::WindowDC dc = gdi::WindowDC::Client(window);
    GetClientDCWithoutChildren(window, dc.get());
    return dc;
}

void ClipOutOpaqueChildren(HWND window, HDC dc) {
    if (!window || !dc) return;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child) || IsTransparentWindow(child)) continue;
        RECT r = {};
        GetWindowRect(child, &r);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
}

}  // namespace skin
