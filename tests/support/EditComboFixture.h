#pragma once
// Helpers for the edit and combo skin tests: the colours they paint with, and a test parent that answers its edits'
// colour requests the way a skinned window does.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/controls/EditSkin.h"
#include "skin/draw/ColourAnswers.h"
#include "skin/core/Properties.h"
#include "skin/core/SkinSettings.h"
#include "skin/draw/WindowQueries.h"
#include "support/GdiplusSession.h"
#include "support/Pixels.h"
#include "support/Pump.h"
#include "support/SkinnedPopup.h"

namespace edit_combo_test {

inline constexpr COLORREF kBackground = RGB(200, 60, 40);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kTheme = RGB(20, 120, 230);
inline constexpr COLORREF kKeptColour = RGB(0, 200, 0);

using testing_support::Blend;
using testing_support::Near;
using testing_support::WindowPixel;

// The veil over the popup's background that the translucent tests ask for, and its colour.
inline constexpr int kVeil = 100;
inline const COLORREF kVeiled = Blend(kBackground, kWhite, kVeil);

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

inline HWND AddControl(const testing_support::SkinnedPopup& popup, const char* className, DWORD exStyle, DWORD style,
                       int x, int y, int width, int height, const char* text = "") {
    return testing_support::AddChild(popup.hwnd(), className, text, style, exStyle, x, y, width, height);
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

inline void AnswerColourRequests(const testing_support::SkinnedPopup& popup) {
    SetWindowLongPtrA(popup.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AnsweringParentProc));
}

// A 32-bit picture in a memory DC filled with one colour, as a composed background is.
struct DcCanvas : testing_support::MemoryCanvas {
    DcCanvas(int width, int height, COLORREF colour) : MemoryCanvas(width, height) { fill(colour); }
};

// One event per step over three controls in turn, each control four steps running: a
// move (the control turns hot), a leave, a focus change, and then `last`; what that
// queued (paints, erasing, colour answers) is handled.
template <class Focus, class Last>
auto HoverLeaveFocusSteps(const HWND (&controls)[3], Focus focus, Last last) {
    return [&controls, focus, last](int i) {
        HWND control = controls[(i / 4) % 3];
        switch (i % 4) {
            case 0:
                SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
                break;
            case 1:
                SendMessageA(control, WM_MOUSELEAVE, 0, 0);
                break;
            case 2:
                focus(control, i);
                break;
            default:
                last(control);
                testing_support::PumpMessages();
        }
    };
}

// Runs step(0) .. step(count - 1), then gives the popup the focus, where no caret is (so
// that no caret bitmap is counted), and handles what the steps left queued.
template <class Step>
auto StepsThenFocus(const testing_support::SkinnedPopup& popup, Step& step) {
    return [&popup, &step](int count) {
        for (int i = 0; i < count; ++i) step(i);
        SetFocus(popup.hwnd());
        testing_support::PumpMessages();
    };
}

// Engine settings for one test, put back on scope exit.
struct Settings {
    explicit Settings(bool translucent, int veilAlpha = 100) {
        skin::SkinControls = 1;
        skin::SkinTranslucentEdits = translucent ? 1 : 0;
        skin::SkinVeilAlpha = veilAlpha;
        skin::SkinThemeColour = kTheme;
    }
    testing_support::SettingsGuard restore;
};

}  // namespace edit_combo_test
