#include "skin/draw/WindowQueries.h"

#include <algorithm>
#include <vector>

namespace skin {

std::string GetWindowClassName(HWND window) {
    char name[256] = {};
    int length = GetClassNameA(window, name, 255);
    return length > 0 ? std::string(name, static_cast<size_t>(length)) : std::string();
}

bool HasWindowClass(HWND window, const char* className) {
    return window && lstrcmpiA(GetWindowClassName(window).c_str(), className) == 0;
}

std::string GetWindowTextString(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) return {};
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<size_t>(std::clamp(copied, 0, length)));
}

std::string WindowOwnText(HWND window) {
    if (!window) return {};
    std::wstring wide(256, L'\0');
    int length = 0;
    for (;;) {
        length = InternalGetWindowText(window, &wide[0], static_cast<int>(wide.size()));
        if (length <= 0) return {};
        // A text that fills the buffer may have been cut: ask again with room to spare.
        if (static_cast<size_t>(length) + 1 < wide.size()) break;
        wide.resize(wide.size() * 2);
    }
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string text(static_cast<size_t>(size), '\0');
    const int written = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, &text[0], size, nullptr, nullptr);
    text.resize(static_cast<size_t>(std::max(written, 0)));
    return text;
}

RECT ClientRectOf(HWND window) {
    RECT rect = {};
    if (!GetClientRect(window, &rect)) rect = RECT{};
    return rect;
}

RECT WindowRectOf(HWND window) {
    RECT rect = {};
    if (!GetWindowRect(window, &rect)) rect = RECT{};
    return rect;
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
    ForEachChild(window, [](HWND child) {
        if (IsWindowVisible(child)) InvalidateRect(child, nullptr, TRUE);
    });
}

}  // namespace skin
