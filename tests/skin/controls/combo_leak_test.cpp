// Hovering, focusing and painting skinned combo boxes over and over leaves no GDI
// object, GDI+ object or composed background behind.
#include <gtest/gtest.h>

#include "graphics/GxCore.h"
#include "skin/controls/ComboSkin.h"
#include "skin/controls/EditComboFixture.h"
#include "skin/draw/MemoryDCList.h"
#include "support/GdiCount.h"

using edit_combo_test::AddControl;

namespace {

TEST(ComboLeaks, TenThousandHoverAndFocusEventsLeaveNothingBehind) {
    edit_combo_test::Settings settings(true);
    controls_test::SkinnedPopup popup(edit_combo_test::kBackground);
    HWND combos[] = {
        AddControl(popup, "ComboBox", 0, CBS_DROPDOWNLIST, 10, 10, 120, 160),
        AddControl(popup, "ComboBox", 0, CBS_DROPDOWN, 10, 50, 120, 160),
        AddControl(popup, "ComboBox", 0, CBS_SIMPLE, 150, 10, 120, 100),
    };
    for (HWND combo : combos) {
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("item"));
        SendMessageA(combo, CB_SETCURSEL, 0, 0);
    }
    skin::InstallEditAndComboSkins(popup.index(), popup.hwnd());
    HWND field = FindWindowExA(combos[1], nullptr, "Edit", nullptr);

    // One event per step: a move (the box turns hot), a leave, a focus change, a colour
    // request from the field; queued paints run every few steps.
    auto step = [&](int i) {
        HWND combo = combos[(i / 4) % 3];
        switch (i % 4) {
            case 0:
                SendMessageA(combo, WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
                break;
            case 1:
                SendMessageA(combo, WM_MOUSELEAVE, 0, 0);
                break;
            case 2:
                SetFocus((i / 4) % 2 ? combo : field);
                break;
            default: {
                HDC dc = GetDC(field);
                SendMessageA(combos[1], WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field));
                ReleaseDC(field, dc);
                testing_support::PumpMessages();
            }
        }
    };
    // Measured with the focus where no caret is, so that no caret bitmap is counted.
    auto settle = [&] {
        SetFocus(popup.hwnd());
        testing_support::PumpMessages();
    };
    for (int i = 0; i < 96; ++i) step(i);
    settle();
    const int gdi = testing_support::LiveGdiObjects();
    const int gx = GxLiveObjects();
    const int listed = skin::TheMemoryDCList().count();

    for (int i = 0; i < 10000; ++i) step(i);
    settle();

    EXPECT_EQ(gdi, testing_support::LiveGdiObjects());
    EXPECT_EQ(gx, GxLiveObjects());
    EXPECT_EQ(listed, skin::TheMemoryDCList().count());
}

}  // namespace
