// Hovering and focusing skinned edits over and over leaves no GDI object, GDI+ object
// or composed background behind.
#include <gtest/gtest.h>

#include "graphics/GxCore.h"
#include "skin/controls/EditComboFixture.h"
#include "skin/controls/EditSkin.h"
#include "skin/draw/MemoryDCList.h"
#include "support/GdiCount.h"

using edit_combo_test::AddControl;

namespace {

TEST(EditLeaks, TenThousandHoverAndFocusEventsLeaveNothingBehind) {
    edit_combo_test::Settings settings(true);
    controls_test::SkinnedPopup popup(edit_combo_test::kBackground);
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
    auto step = [&](int i) {
        HWND edit = edits[(i / 4) % 3];
        switch (i % 4) {
            case 0:
                SendMessageA(edit, WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
                break;
            case 1:
                SendMessageA(edit, WM_MOUSELEAVE, 0, 0);
                break;
            case 2:
                SetFocus(edit);
                break;
            default:
                SendMessageA(edit, WM_KEYDOWN, VK_RIGHT, 1);
                testing_support::PumpMessages();
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
