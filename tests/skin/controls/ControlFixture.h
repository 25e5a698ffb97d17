#pragma once
// A skinned window built by hand for the control tests: a real popup registered in the
// skin registry, whose composed background is a memory DC filled with one colour.
#include <windows.h>

#include <memory>

#include "skin/core/SkinRegistry.h"
#include "skin/core/SkinSettings.h"
#include "skin/draw/Backgrounds.h"
#include "support/Pump.h"

namespace controls_test {

inline const char* ParentClass() {
    static const char* name = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = "ControlsTestParent";
        RegisterClassA(&wc);
        return "ControlsTestParent";
    }();
    return name;
}

class SkinnedPopup {
public:
    explicit SkinnedPopup(COLORREF background = RGB(200, 60, 40), int width = 320, int height = 240)
        : width_(width), height_(height) {
        hwnd_ = CreateWindowExA(0, ParentClass(), "popup", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width, height,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        HDC screen = GetDC(nullptr);
        gdi::MemoryDC composed(screen);  // handed to the record, which releases it
        composed.adopt(CreateCompatibleBitmap(screen, width, height));
        ReleaseDC(nullptr, screen);
        dc_ = composed.get();
        fill(background);
        auto record = std::make_unique<skin::SkinnedWindow>();
        record->hwnd = hwnd_;
        record->backgroundDC = std::move(composed);
        skin::AppendSkinnedWindow(std::move(record));
    }
    ~SkinnedPopup() {
        if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
        testing_support::PumpMessages();
        skin::RemoveSkinnedWindow(skin::FindSkinnedWindow(hwnd_));
    }
    SkinnedPopup(const SkinnedPopup&) = delete;
    SkinnedPopup& operator=(const SkinnedPopup&) = delete;

    HWND hwnd() const { return hwnd_; }
    int index() const { return skin::FindSkinnedWindow(hwnd_); }
    skin::SkinnedWindow& record() const { return *skin::GetSkinnedWindow(index()); }

    // Paints the whole composed background one colour, and says so the way a rebuild does.
    void fill(COLORREF colour) {
        HBRUSH brush = CreateSolidBrush(colour);
        RECT all = {0, 0, width_, height_};
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
        skin::NoteBackgroundChanged();
    }

    HWND add(const char* className, const char* text, DWORD style, int x, int y, int width, int height,
             int id = 0) const {
        return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, hwnd_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    }

private:
    int width_;
    int height_;
    HWND hwnd_ = nullptr;
    HDC dc_ = nullptr;  // the record's composed background
};

// Puts the engine settings the control skins read back to their start values on scope exit.
struct SettingsGuard {
    ~SettingsGuard() { skin::ResetSkinSettings(); }
};

}  // namespace controls_test
