#pragma once
// Real windows for the geometry and classification tests, destroyed with their owner.
#include <windows.h>

namespace draw_test {

class Window {
public:
    Window(const char* className, DWORD style, int x, int y, int width, int height, HWND parent = nullptr,
           DWORD exStyle = 0) {
        hwnd_ = CreateWindowExA(exStyle, className, "", style, x, y, width, height, parent, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    }
    ~Window() {
        if (hwnd_) DestroyWindow(hwnd_);
    }
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    HWND get() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

}  // namespace draw_test
