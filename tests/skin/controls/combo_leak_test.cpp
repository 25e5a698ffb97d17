// Hovering, focusing and painting skinned combo boxes over and over leaves no GDI
// object, GDI+ object or composed background behind.
#include <gtest/gtest.h>

#include "skin/controls/ComboSkin.h"
#include "support/EditComboFixture.h"
#include "support/SkinCounts.h"

using edit_combo_test::AddControl;

namespace {

TEST(ComboLeaks, TenThousandHoverAndFocusEventsLeaveNothingBehind) {
    edit_combo_test::Settings settings(true);
    testing_support::SkinnedPopup popup(edit_combo_test::kBackground);
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
    auto step = edit_combo_test::HoverLeaveFocusSteps(
        combos, [field](HWND combo, int i) { SetFocus((i / 4) % 2 ? combo : field); },
        [&combos, field](HWND) {
            HDC dc = GetDC(field);
            SendMessageA(combos[1], WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field));
            ReleaseDC(field, dc);
        });
    // Measured with the focus where no caret is, so that no caret bitmap is counted.
    const auto counts = testing_support::CountAround(edit_combo_test::StepsThenFocus(popup, step), 96, 10000);
    EXPECT_EQ(counts.before.gdi, counts.after.gdi);
    EXPECT_EQ(counts.before.gx, counts.after.gx);
    EXPECT_EQ(counts.before.memoryDCs, counts.after.memoryDCs);
}

}  // namespace
