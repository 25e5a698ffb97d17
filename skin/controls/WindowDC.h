#pragma once
// Owner of a DC got from GetDC or GetWindowDC: released with ReleaseDC exactly once.
#include <windows.h>

#include <utility>

namespace skin {

class WindowDC {
public:
    WindowDC() = default;
    static WindowDC Client(HWND window) { return WindowDC(window, window ? GetDC(window) : nullptr); }
    static WindowDC Whole(HWND window) { return WindowDC(window, window ? GetWindowDC(window) : nullptr); }

    ~WindowDC() { reset(); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    WindowDC(WindowDC&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDC& operator=(WindowDC&& other) noexcept {
        if (this != &other) {
            reset();
            window_ = std::exchange(other.window_, nullptr);
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    void reset() {
        if (dc_) ReleaseDC(window_, std::exchange(dc_, nullptr));
        window_ = nullptr;
    }

private:
    WindowDC(HWND window, HDC dc) : window_(window), dc_(dc) {}

    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

}  // namespace skin
