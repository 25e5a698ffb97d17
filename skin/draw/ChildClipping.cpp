#include "skin/draw/ChildClipping.h"

#include "skin/core/SkinRegistry.h"
#include "skin/draw/WindowQueries.h"

namespace skin {

bool IsTransparentWindow(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0; }

RECT ChildRectInParentClient(HWND child) {
    if (!child || FindSkinnedWindow(child)) return RECT{0, 0, 0, 0};
    POINT origin = {0, 0};
    ClientToScreen(GetParent(child), &origin);
    RECT rect = {};
    if (!GetWindowRect(child, &rect)) return RECT{0, 0, 0, 0};
    return RECT{rect.left - origin.x, rect.top - origin.y, rect.right - origin.x, rect.bottom - origin.y};
}

HDC GetClientDCWithoutChildren(HWND window, HDC dc) {
    if (!window || !dc) return dc;
    ForEachChild(window, [dc](HWND child) {
        if (!IsWindowVisible(child) || IsTransparentWindow(child)) return;
        const RECT r = ChildRectInParentClient(child);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    });
    return dc;
}

gdi::WindowDC GetClientDCWithoutChildren(HWND window) {
    gdi::WindowDC dc = gdi::WindowDC::Client(window);
    GetClientDCWithoutChildren(window, dc.get());
    return dc;
}

namespace {

// The window manager clips a window's children out as this walk does (visible ones
// without WS_EX_TRANSPARENT), so a DC on the window's own client area takes the region of
// a children-clipping DC: one request to the window server for the visible region, where
// the walk asks it once per child under Wine. False when dc is not such a DC.
bool ClipToRegionWithoutChildren(HWND window, HDC dc) {
    // A parent's DC or a mirrored one would need the region mapped differently.
    if (WindowFromDC(dc) != window || (GetClassLongA(window, GCL_STYLE) & CS_PARENTDC) || GetLayout(dc) != 0) {
        return false;
    }
    gdi::Region visible(CreateRectRgn(0, 0, 0, 0));
    {
        const gdi::WindowDC probe = gdi::WindowDC::ClientClippingChildren(window);
        if (!probe || !visible || GetRandomRgn(probe.get(), visible.get(), SYSRGN) != 1) return false;
    }
    // The system region comes in screen coordinates.
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    OffsetRgn(visible.get(), -origin.x, -origin.y);
    return ExtSelectClipRgn(dc, visible.get(), RGN_AND) != ERROR;
}

}  // namespace

void ClipOutOpaqueChildren(HWND window, HDC dc) {
    if (!window || !dc) return;
    if (ClipToRegionWithoutChildren(window, dc)) return;
    ForEachChild(window, [window, dc](HWND child) {
        if (!IsWindowVisible(child) || IsTransparentWindow(child)) return;
        RECT r = WindowRectOf(child);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    });
}

}  // namespace skin
