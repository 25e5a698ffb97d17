#pragma once
// Real windows for the core tests, destroyed with their owner.
#include <windows.h>

namespace core_test {

// A window that destroys itself; children die with their parent, so only top-level
// windows need an owner.
class TestWindow {
public:
    explicit TestWindow(HWND window) : window_(window) {}
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

}  // namespace core_test
