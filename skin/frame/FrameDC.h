#pragma once
// Device contexts of the frame painting: a window DC that is released with its owner,
// a saved DC state that is restored, and the clipping that keeps opaque children intact.
#include <windows.h>

#include <utility>

namespace skin {

// GetDC on construction, ReleaseDC on destruction. Only for DCs this code obtains itself:
// a DC handed in by a caller (a paint DC above all) is never released here.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(window ? GetDC(window) : nullptr) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    WindowDC(WindowDC&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDC& operator=(WindowDC&&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Restores the DC's clipping and other state when it goes, so a caller's DC comes back as given.
class SavedDCState {
public:
    explicit SavedDCState(HDC dc) : dc_(dc), saved_(dc ? SaveDC(dc) : 0) {}
    ~SavedDCState() {
        if (saved_) RestoreDC(dc_, saved_);
    }
    SavedDCState(const SavedDCState&) = delete;
    SavedDCState& operator=(const SavedDCState&) = delete;

private:
    HDC dc_;
    int saved_;
};

// Excludes from the DC's clip every visible direct child of the window that lacks
// WS_EX_TRANSPARENT, so that copying a background over the window leaves them alone.
void ClipOutOpaqueChildren(HWND window, HDC dc);

}  // namespace skin
