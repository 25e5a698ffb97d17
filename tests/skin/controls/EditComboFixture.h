#pragma once
// Helpers for the edit and combo skin tests: expected colours of translucent strokes,
// pixel reads from a window's whole-window DC, and a test parent that answers its edits'
// colour requests the way a skinned window does.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "skin/controls/ControlFixture.h"
#include "skin/controls/EditSkin.h"
#include "skin/draw/ColourAnswers.h"
#include "skin/core/Properties.h"
#include "skin/core/SkinSettings.h"
#include "skin/draw/WindowQueries.h"
#include "support/GdiplusSession.h"
#include "support/Pump.h"

namespace edit_combo_test {

inline constexpr COLORREF kBackground = RGB(200, 60, 40);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kTheme = RGB(20, 120, 230);
inline constexpr COLORREF kKeptColour = RGB(0, 200, 0);

// `over` laid on `under` at alpha (0..255), as a source-over stroke or fill draws it.
inline COLORREF Blend(COLORREF under, COLORREF over, int alpha) {
    auto mix = [alpha](int u, int o) { return (o * alpha + u * (255 - alpha) + 127) / 255; };
    return RGB(mix(GetRValue(under), GetRValue(over)), mix(GetGValue(under), GetGValue(over)),
               mix(GetBValue(under), GetBValue(over)));
}

inline testing::AssertionResult ColourNear(COLORREF expected, COLORREF actual, int tolerance = 4) {
    const int dr = std::abs(static_cast<int>(GetRValue(expected)) - GetRValue(actual));
    const int dg = std::abs(static_cast<int>(GetGValue(expected)) - GetGValue(actual));
    const int db = std::abs(static_cast<int>(GetBValue(expected)) - GetBValue(actual));
    if (dr <= tolerance && dg <= tolerance && db <= tolerance) return testing::AssertionSuccess();
    char text[96];
    std::snprintf(text, sizeof(text), "expected RGB(%d,%d,%d), got RGB(%d,%d,%d)", GetRValue(expected),
                  GetGValue(expected), GetBValue(expected), GetRValue(actual), GetGValue(actual), GetBValue(actual));
    return testing::AssertionFailure() << text;
}

// A pixel of the window as it is on screen, borders included.
inline COLORREF WindowPixel(HWND window, int x, int y) {
    HDC dc = GetWindowDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

inline SIZE WindowSize(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

// Frame, background and client drawn again, now.
inline void RedrawNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    testing_support::PumpMessages();
}

inline HWND AddControl(const controls_test::SkinnedPopup& popup, const char* className, DWORD exStyle, DWORD style,
                       int x, int y, int width, int height, const char* text = "") {
    return CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, popup.hwnd(),
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

// The popup's own procedure with a skinned window's colour answer for its edits.
inline LRESULT CALLBACK AnsweringParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLOREDIT && skin::SkinTranslucentEdits) {
        HWND edit = reinterpret_cast<HWND>(lParam);
        if (skin::GetWindowClassName(GetParent(edit)) != "ComboBox") {
            if (HBRUSH brush = skin::AnswerWithPatternBrush(edit, reinterpret_cast<HDC>(wParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

inline void AnswerColourRequests(const controls_test::SkinnedPopup& popup) {
    SetWindowLongPtrA(popup.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AnsweringParentProc));
}

// A 32-bit picture in a memory DC filled with one colour, as a composed background is.
class DcCanvas {
public:
    DcCanvas(int width, int height, COLORREF fill) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        dc_ = CreateCompatibleDC(nullptr);
        previous_ = SelectObject(dc_, bitmap_);
        HBRUSH brush = CreateSolidBrush(fill);
        RECT all = {0, 0, width, height};
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    ~DcCanvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    DcCanvas(const DcCanvas&) = delete;
    DcCanvas& operator=(const DcCanvas&) = delete;

    HDC dc() const { return dc_; }
    COLORREF pixel(int x, int y) const {
        GdiFlush();
        return GetPixel(dc_, x, y);
    }

private:
    HBITMAP bitmap_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// Engine settings for one test, put back on scope exit.
struct Settings {
    explicit Settings(bool translucent, int veilAlpha = 100) {
        skin::SkinControls = 1;
        skin::SkinTranslucentEdits = translucent ? 1 : 0;
        skin::SkinVeilAlpha = veilAlpha;
        skin::SkinThemeColour = kTheme;
    }
    controls_test::SettingsGuard restore;
};

}  // namespace edit_combo_test
