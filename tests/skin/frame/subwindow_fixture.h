#pragma once
// A hand-registered skinned popup with a one-colour composed background, containers
// registered in it as sub-windows through the engine's registration, and a container
// class whose own procedure records every message that is chained to it.
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

#include "skin/core/Properties.h"
#include "skin/core/SkinEngine.h"
#include "skin/core/SkinRegistry.h"
#include "skin/engine/EngineOperations.h"
#include "skin/core/SkinSettings.h"
#include "support/Pump.h"

namespace subwindow_test {

// Messages that reached the container's own procedure, and what it answers.
inline std::vector<UINT>& Chained() {
    static std::vector<UINT> messages;
    return messages;
}
inline constexpr LRESULT kOwnAnswer = 0x5A5A;

inline LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Chained().push_back(message);
    if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORLISTBOX ||
        message == WM_CTLCOLORBTN || message == WM_ERASEBKGND) {
        return kOwnAnswer;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

inline bool WasChained(UINT message) {
    for (UINT seen : Chained()) {
        if (seen == message) return true;
    }
    return false;
}

inline const char* RecordingClass() {
    static const char* name = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = RecordingProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = "SubWindowTestPanel";
        RegisterClassA(&wc);
        return "SubWindowTestPanel";
    }();
    return name;
}

inline const char* PopupClass() {
    static const char* name = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = "SubWindowTestPopup";
        RegisterClassA(&wc);
        return "SubWindowTestPopup";
    }();
    return name;
}

inline COLORREF PixelAt(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

inline int Difference(COLORREF a, COLORREF b) {
    const int r = std::abs(GetRValue(a) - GetRValue(b));
    const int g = std::abs(GetGValue(a) - GetGValue(b));
    const int bl = std::abs(GetBValue(a) - GetBValue(b));
    return r > g ? (r > bl ? r : bl) : (g > bl ? g : bl);
}

inline bool Near(COLORREF a, COLORREF b, int tolerance) { return Difference(a, b) <= tolerance; }

// Puts the engine settings back to their start values when the test ends.
struct SettingsGuard {
    SettingsGuard() {
        skin::SkinControls = 1;
        skin::SkinTranslucentEdits = 1;
        skin::SkinVeilAlpha = 100;
    }
    ~SettingsGuard() { skin::ResetSkinSettings(); }
};

class SkinnedPopup {
public:
    static constexpr COLORREF kBackground = RGB(200, 60, 40);

    explicit SkinnedPopup(int width = 320, int height = 240) : width_(width), height_(height) {
        hwnd_ = CreateWindowExA(0, PopupClass(), "popup", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width, height,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        HDC screen = GetDC(nullptr);
        gdi::MemoryDC composed(screen);  // handed to the record, which releases it
        composed.adopt(CreateCompatibleBitmap(screen, width, height));
        ReleaseDC(nullptr, screen);
        dc_ = composed.get();
        HBRUSH brush = CreateSolidBrush(kBackground);
        RECT all = {0, 0, width, height};
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
        auto record = std::make_unique<skin::SkinnedWindow>();
        record->hwnd = hwnd_;
        record->backgroundDC = std::move(composed);
        skin::SetPropInt(hwnd_, skin::kPropListIndex, skin::AppendSkinnedWindow(std::move(record)));
        Chained().clear();
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

    HWND child(HWND parent, const char* className, const char* text, DWORD style, int x, int y, int width, int height,
               int id = 0) const {
        return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                               parent ? parent : hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleA(nullptr), nullptr);
    }

    // Registers the container through the engine, as the program's start-up does.
    int registerSubWindow(HWND window, COLORREF veilColour = 0, std::optional<int> veilAlpha = std::nullopt,
                          std::optional<int> roundedBorder = std::nullopt, std::optional<int> selfPainted = 1) {
        return engine_.addSubWindow(window, selfPainted, veilColour, veilAlpha, roundedBorder);
    }

    skin::SubWindowEntry* entry(HWND window) const {
        return record().subWindows.at(skin::FindSubWindow(index(), window));
    }

private:
    skin::SkinEngine engine_{skin::DefaultOperations()};
    int width_;
    int height_;
    HWND hwnd_ = nullptr;
    HDC dc_ = nullptr;  // the record's composed background
};

// Paints the window and everything in it now.
inline void Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testing_support::PumpMessages();
}

}  // namespace subwindow_test
