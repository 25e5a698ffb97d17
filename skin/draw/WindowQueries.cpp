#include "skin/draw/WindowQueries.h"

namespace skin {

std::string GetWindowClassName(HWND window) {
    char name[256] = {};
    int length = GetClassNameA(window, name, 255);
    return length > 0 ? std::string(name, static_cast<size_t>(length)) : std::string();
}

bool IsOwnerDrawListBox(HWND window) {
    if (GetWindowClassName(window) != "ListBox") return false;
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    return (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

bool IsAutoRadioButton(HWND window) {
    // The button type sits in the low four bits; only 9 (1001b) has bits 0 and 3 without 1 and 2.
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    if (style & 0x2) return false;
    if ((style & 0x9) != 0x9) return false;
    if (style & 0x4) return false;
    return true;
}

void InvalidateVisibleChildren(HWND window) {
    if (!window) return;
    for (HWND child = FindWindowExA(window, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(window, child, nullptr, nullptr)) {
        if (IsWindowVisible(child)) InvalidateRect(child, nullptr, TRUE);
    }
}

}  // namespace skin
