// Hovering and focusing skinned edits over and over leaves no GDI object, GDI+ object
// or composed background behind.
#include <gtest/gtest.h>

#include "support/EditComboFixture.h"
#include "skin/controls/EditSkin.h"
#include "support/SkinCounts.h"

using edit_combo_test::AddControl;

namespace {

TEST(EditLeaks, TenThousandHoverAndFocusEventsLeaveNothingBehind) {
    edit_combo_test::Settings settings(true);
    testing_support::SkinnedPopup popup(edit_combo_test::kBackground);
    edit_combo_test::AnswerColourRequests(popup);
    HWND edits[] = {
        AddControl(popup, "Edit", WS_EX_STATICEDGE, ES_AUTOHSCROLL, 10, 10, 120, 27, "one"),
        AddControl(popup, "Edit", WS_EX_CLIENTEDGE, ES_AUTOHSCROLL, 10, 50, 120, 27, "two"),
        AddControl(popup, "Edit", WS_EX_CLIENTEDGE, ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, 150, 10, 140, 90,
                   "three\r\nfour"),
    };
    skin::InstallEditSkins(popup.index(), popup.hwnd());

    // One event per step: a move (the edit turns hot), a leave, a focus change, a key;
    // queued paints, erasing and colour answers run every few steps.
    auto step = edit_combo_test::HoverLeaveFocusSteps(
        edits, [](HWND edit, int) { SetFocus(edit); }, [](HWND edit) { SendMessageA(edit, WM_KEYDOWN, VK_RIGHT, 1); });
    // Measured with the focus where no caret is, so that no caret bitmap is counted.
    const auto counts = testing_support::CountAround(edit_combo_test::StepsThenFocus(popup, step), 96, 10000);
    EXPECT_EQ(counts.before.gdi, counts.after.gdi);
    EXPECT_EQ(counts.before.gx, counts.after.gx);
    EXPECT_EQ(counts.before.memoryDCs, counts.after.memoryDCs);
}

}  // namespace
