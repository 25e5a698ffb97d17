#pragma once
// Real windows for tests, destroyed with their owner.
#include <windows.h>

namespace testing_support {

// Registers a window class of this module and gives its name, for a caller that keeps
// the answer in a function-local static so the class is registered once.
inline const char* RegisterTestClass(const char* name, WNDPROC procedure, int backgroundColour = -1, UINT style = 0,
                                     bool arrowCursor = false) {
    WNDCLASSA wc = {};
    wc.style = style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    if (arrowCursor) wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    if (backgroundColour >= 0) wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(backgroundColour + 1));
    wc.lpszClassName = name;
    RegisterClassA(&wc);
    return name;
}

// A window that destroys itself; children die with their parent, so only top-level
// windows need an owner.
class TestWindow {
public:
    explicit TestWindow(HWND window) : window_(window) {}
    TestWindow(const char* className, DWORD style, int x, int y, int width, int height, HWND parent = nullptr,
               DWORD exStyle = 0)
        : window_(CreateWindowExA(exStyle, className, "", style, x, y, width, height, parent, nullptr,
                                  GetModuleHandleA(nullptr), nullptr)) {}
    ~TestWindow() {
        if (window_ && IsWindow(window_)) DestroyWindow(window_);
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND get() const { return window_; }

private:
    HWND window_;
};

inline HWND MakeTopLevel() {
    return CreateWindowExA(0, "STATIC", "top", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

inline HWND MakeChild(HWND parent, const char* className = "STATIC") {
    return CreateWindowExA(0, className, "child", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

}  // namespace testing_support
