#pragma once
// Helpers for the track bar and progress bar tests: colour tests for what the skin put on
// a control (the bars have no border, so their client DC shows all of it), the spy
// standing in for the replaced procedure, and the painting tests' popup.
#include <windows.h>

#include "support/MessageSpy.h"
#include "support/Pixels.h"
#include "support/PopupTest.h"

namespace bars_test {

inline bool NearlyWhite(COLORREF c) { return GetRValue(c) > 215 && GetGValue(c) > 215 && GetBValue(c) > 215; }

// How much bluer than red and green a colour is; the tests use a pure blue theme.
inline int Blueness(COLORREF c) { return GetBValue(c) - (GetRValue(c) + GetGValue(c)) / 2; }

// A popup of one colour in a pure blue theme, for the bar painting tests.
class BarPaintTest : public testing_support::PopupTest {
protected:
    explicit BarPaintTest(COLORREF background) : PopupTest(background) {}
    void SetUp() override { skin::SkinThemeColour = RGB(0, 0, 255); }

    // Paints the bar, frame included, now, and handles what that queued.
    static void settle(HWND bar) {
        RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        testing_support::PumpMessages();
    }
};

}  // namespace bars_test
