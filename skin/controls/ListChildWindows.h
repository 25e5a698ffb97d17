#pragma once
// Child windows that lie over a control's content: painting straight to the control's
// client DC must leave them alone, or they would flicker under the new content.
#include <windows.h>

#include "skin/controls/WindowDC.h"

namespace skin {

// A window that lets what lies under it show through (WS_EX_TRANSPARENT).
bool IsTransparentWindow(HWND window);

// The child's window rectangle in its parent's client coordinates; empty for a window
// that a skinned-window record owns, since such a window paints its own skin.
RECT ChildRectInParentClient(HWND child);

// Takes every visible, non-transparent child's rectangle out of dc's clip and answers
// dc, which stays the caller's.
HDC GetClientDCWithoutChildren(HWND window, HDC dc);

// The window's client DC with its children clipped out; released when the owner goes.
WindowDC GetClientDCWithoutChildren(HWND window);

}  // namespace skin
