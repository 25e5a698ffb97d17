#pragma once
// Child windows that lie over a window's content: painting straight to the window's DC
// must leave them alone, or they would flicker under the new content.
#include <windows.h>

#include "graphics/GdiHandles.h"

namespace skin {

// A window that lets what lies under it show through (WS_EX_TRANSPARENT).
bool IsTransparentWindow(HWND window);

// The child's window rectangle in its parent's client coordinates; empty for a window
// that a skinned-window record owns, since such a window paints its own skin.
RECT ChildRectInParentClient(HWND child);

// Takes every visible, non-transparent child's rectangle out of dc's clip, except those of
// skinned windows, and answers dc, which stays the caller's.
HDC GetClientDCWithoutChildren(HWND window, HDC dc);

// The window's client DC with its children clipped out; released when the owner goes.
gdi::WindowDC GetClientDCWithoutChildren(HWND window);

// Excludes from the DC's clip every visible direct child of the window that lacks
// WS_EX_TRANSPARENT, skinned windows included, so that copying a background over the
// window leaves them alone.
void ClipOutOpaqueChildren(HWND window, HDC dc);

}  // namespace skin
