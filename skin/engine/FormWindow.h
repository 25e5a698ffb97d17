#pragma once
// The top-level window of a skinned program's form, and the font its controls are set in.
// The editor and the control gallery both open theirs through here, so the two windows
// are made alike.
#include <windows.h>

#include "graphics/GdiHandles.h"

namespace skin {

// No system caption or border: the whole window is client area and the skin draws the
// title band inside it.
inline constexpr DWORD kFormStyle = WS_POPUP | WS_MINIMIZEBOX | WS_SYSMENU | WS_CLIPSIBLINGS;
inline constexpr DWORD kFormExStyle = WS_EX_APPWINDOW;

// What one form window is made of, in brace-list order; every form so far keeps the styles.
struct FormWindowSetup {
    const char* className;
    WNDPROC procedure;  // registered with the class, on its first use only
    const char* title;
    int x, y, width, height;
    void* createParam;  // handed to WM_NCCREATE and WM_CREATE in lpCreateParams
    bool show;          // shown and painted once made
    DWORD style = kFormStyle;
    DWORD exStyle = kFormExStyle;
};

// Registers the class on first use (double clicks, arrow cursor, button-face background,
// the program's icon) and creates the window. Null when either fails.
HWND CreateFormWindow(HINSTANCE instance, const FormWindowSetup& setup);

// A font of the given face, pixel height and weight in the form's character set.
gdi::Font MakeFormFont(const char* face, int pixelHeight, int weight = FW_NORMAL);

}  // namespace skin
