#pragma once
// A skinned window built by hand: a real popup registered in the skin registry, whose
// composed background is a memory DC filled with one colour. The control and sub-window
// tests put their controls and containers on it.
#include <windows.h>

#include <memory>

#include "graphics/GdiHandles.h"
#include "skin/core/Properties.h"
#include "skin/core/SkinRegistry.h"
#include "skin/core/SkinSettings.h"
#include "skin/draw/Backgrounds.h"
#include "support/Pump.h"
#include "support/TestWindows.h"

namespace testing_support {

inline const char* PopupClass() {
    static const char* name = RegisterTestClass("SkinTestPopup", DefWindowProcA, COLOR_BTNFACE);
    return name;
}

// A child window of the given parent, visible, with an optional id.
inline HWND AddChild(HWND parent, const char* className, const char* text, DWORD style, DWORD exStyle, int x, int y,
                     int width, int height, int id = 0) {
    return CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

struct PopupOptions {
    COLORREF background = RGB(200, 60, 40);
    int width = 320;
    int height = 240;
    // Whether the popup carries its registry index the way a skinned window does.
    bool indexProperty = false;
};

class SkinnedPopup {
public:
    static constexpr COLORREF kBackground = RGB(200, 60, 40);

    explicit SkinnedPopup(COLORREF background = kBackground, int width = 320, int height = 240)
        : SkinnedPopup(PopupOptions{background, width, height}) {}
    explicit SkinnedPopup(const PopupOptions& options) : width_(options.width), height_(options.height) {
        hwnd_ = CreateWindowExA(0, PopupClass(), "popup", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width_,
                                height_, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        const gdi::WindowDC screen = gdi::WindowDC::Screen();
        gdi::MemoryDC composed(screen.get());  // handed to the record, which releases it
        composed.adopt(CreateCompatibleBitmap(screen.get(), width_, height_));
        dc_ = composed.get();
        fill(options.background);
        auto record = std::make_unique<skin::SkinnedWindow>();
        record->hwnd = hwnd_;
        record->backgroundDC = std::move(composed);
        const int index = skin::AppendSkinnedWindow(std::move(record));
        if (options.indexProperty) skin::SetPropInt(hwnd_, skin::kPropListIndex, index);
    }
    ~SkinnedPopup() {
        if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
        PumpMessages();
        skin::RemoveSkinnedWindow(skin::FindSkinnedWindow(hwnd_));
    }
    SkinnedPopup(const SkinnedPopup&) = delete;
    SkinnedPopup& operator=(const SkinnedPopup&) = delete;

    HWND hwnd() const { return hwnd_; }
    int index() const { return skin::FindSkinnedWindow(hwnd_); }
    skin::SkinnedWindow& record() const { return *skin::GetSkinnedWindow(index()); }

    // Paints the whole composed background one colour, and says so the way a rebuild does.
    void fill(COLORREF colour) {
        const gdi::Brush brush(CreateSolidBrush(colour));
        RECT all = {0, 0, width_, height_};
        FillRect(dc_, &all, brush.get());
        skin::NoteBackgroundChanged(nullptr);
    }

    HWND add(const char* className, const char* text, DWORD style, int x, int y, int width, int height,
             int id = 0) const {
        return AddChild(hwnd_, className, text, style, 0, x, y, width, height, id);
    }

private:
    int width_;
    int height_;
    HWND hwnd_ = nullptr;
    HDC dc_ = nullptr;  // the record's composed background
};

// Puts the engine settings the skins read back to their start values on scope exit.
struct SettingsGuard {
    ~SettingsGuard() { skin::ResetSkinSettings(); }
};

}  // namespace testing_support
