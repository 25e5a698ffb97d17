#pragma once
// The procedure of container children registered as sub-windows.
#include <windows.h>

namespace skin {

// Passes every message on to the procedure the registration replaced ("Hw_hProc").
LRESULT CALLBACK SubWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
