// The up-down skin's installer, its message answers, the half hit test and when hover
// repaints.
#include "skin/controls/UpDownSkin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/MessageSpy.h"
#include "support/PopupTest.h"
#include "support/UpDownFixture.h"

using namespace testing_support;
using updown_test::UpDownTest;

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

// Stands in for the control's own procedure: notes what reaches it, then forwards.
testing_support::MessageSpy g_spy;

void PutSpyUnder(HWND control) {
    g_spy.reset();
    g_spy.watch(control);
}

using UpDownInstaller = UpDownTest;

TEST_F(UpDownInstaller, SkinsEveryUpDownChildWithItsOrientation) {
    HWND vertical = addUpDown(0, 10, 10, 20, 40);
    HWND edit = popup.add("Edit", "", WS_BORDER, 40, 10, 60, 20);
    HWND horizontal = addUpDown(UDS_HORZ, 10, 60, 40, 20);
    const LONG_PTR systemProc = GetWindowLongPtrA(vertical, GWLP_WNDPROC);
    const LONG_PTR editProc = GetWindowLongPtrA(edit, GWLP_WNDPROC);

    skin::InstallUpDownSkin(index(), popup.hwnd());

    ASSERT_EQ(2, popup.record().upDownControls.count());
    int expected = 1;
    for (HWND control : {vertical, horizontal}) {
        EXPECT_EQ(control, entry(expected).hwnd);
        ExpectTakenOver(entry(expected), control, expected, index(), systemProc, skin::UpDownSkinProc);
        ++expected;
    }
    EXPECT_EQ(0, entry(1).horizontal);
    EXPECT_EQ(1, entry(2).horizontal);
    EXPECT_EQ(editProc, GetWindowLongPtrA(edit, GWLP_WNDPROC));
}

TEST_F(UpDownInstaller, DoesNothingWhileControlSkinningIsOff) {
    HWND control = addUpDown(0, 10, 10, 20, 40);
    skin::SkinControls = 0;
    skin::InstallUpDownSkin(index(), popup.hwnd());
    EXPECT_EQ(nullptr, entry(1).hwnd);
    EXPECT_EQ(nullptr, GetPropA(control, skin::kPropListIndex));
}

using UpDownMessages = UpDownTest;

TEST_F(UpDownMessages, PaintingMessagesAreAnsweredWithoutTheControl) {
    HWND control = addUpDown(0, 10, 10, 20, 40);
    skin::InstallUpDownSkin(index(), popup.hwnd());
    PutSpyUnder(control);

    ExpectErasingAnswered(control);
    EXPECT_EQ(1, SendMessageA(control, WM_NCPAINT, 1, 0));
    InvalidateRect(control, nullptr, TRUE);
    UpdateWindow(control);
    EXPECT_EQ(0, g_spy.total());
    EXPECT_FALSE(GetUpdateRect(control, nullptr, FALSE));  // the paint validated the window

    // Everything else reaches the control, whose behaviour is untouched.
    SendMessageA(control, UDM_SETRANGE32, 0, 10);
    SendMessageA(control, UDM_SETPOS32, 0, 7);
    EXPECT_EQ(7, SendMessageA(control, UDM_GETPOS32, 0, 0));
    EXPECT_EQ(3, g_spy.total());
    SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(g_spy.saw(WM_MOUSEMOVE));
}

TEST_F(UpDownMessages, ButtonMessagesKeepThePressAndItsPoint) {
    HWND control = addUpDown(0, 10, 10, 20, 40);
    skin::InstallUpDownSkin(index(), popup.hwnd());
    PutSpyUnder(control);

    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 30));
    EXPECT_EQ(1, entry(1).pressed);
    EXPECT_EQ(static_cast<uint32_t>(MAKELPARAM(4, 30)), entry(1).pressPoint);
    SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(6, 3));
    EXPECT_EQ(0, entry(1).pressed);
    EXPECT_EQ(static_cast<uint32_t>(MAKELPARAM(6, 3)), entry(1).pressPoint);
    EXPECT_TRUE(g_spy.saw(WM_LBUTTONDOWN));
    EXPECT_TRUE(g_spy.saw(WM_LBUTTONUP));
}

TEST_F(UpDownMessages, AStaleEntryPassesEverythingOn) {
    HWND control = addUpDown(0, 10, 10, 20, 40);
    skin::InstallUpDownSkin(index(), popup.hwnd());
    PutSpyUnder(control);
    skin::SetPropInt(control, skin::kPropListIndex, 7);

    SendMessageA(control, WM_NCPAINT, 1, 0);
    SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(2, g_spy.total());
    EXPECT_EQ(0, popup.record().hoverIndex);
    skin::PaintUpDown(index(), 7, true, true, false, false, 0, false);  // unknown entry: nothing
    skin::SetPropInt(control, skin::kPropListIndex, 1);
}

using UpDownHalves = UpDownTest;

TEST_F(UpDownHalves, TheSplitBelongsToTheFirstHalf) {
    addUpDown(0, 10, 10, 20, 41);
    addUpDown(UDS_HORZ, 40, 10, 41, 20);
    skin::InstallUpDownSkin(index(), popup.hwnd());

    // Vertical, height 41: the split is at y 20.
    EXPECT_EQ(skin::kUpDownFirstHalf, skin::UpDownHalfAt(index(), 1, MAKELPARAM(5, 20)));
    EXPECT_EQ(skin::kUpDownSecondHalf, skin::UpDownHalfAt(index(), 1, MAKELPARAM(5, 21)));
    EXPECT_EQ(skin::kUpDownFirstHalf, skin::UpDownHalfAt(index(), 1, MAKELPARAM(300, 0)));
    // Coordinates are signed: above the control is the first half, not far below it.
    EXPECT_EQ(skin::kUpDownFirstHalf, skin::UpDownHalfAt(index(), 1, MAKELPARAM(5, -3)));
    // Horizontal, width 41: the split is at x 20; y plays no part.
    EXPECT_EQ(skin::kUpDownFirstHalf, skin::UpDownHalfAt(index(), 2, MAKELPARAM(20, 35)));
    EXPECT_EQ(skin::kUpDownSecondHalf, skin::UpDownHalfAt(index(), 2, MAKELPARAM(21, 0)));
    // Unknown entries and records.
    EXPECT_EQ(0, skin::UpDownHalfAt(index(), 3, MAKELPARAM(5, 30)));
    EXPECT_EQ(0, skin::UpDownHalfAt(index() + 4, 1, MAKELPARAM(5, 30)));
}

using UpDownHover = UpDownTest;

// Whether the skin painted the control since it was scribbled over.
bool Repainted(HWND control) { return WindowPixel(control, 3, 4) != kMagenta; }
void ScribbleOver(HWND control) { Scribble(control, RECT{0, 0, 20, 40}, kMagenta, true); }

TEST_F(UpDownHover, RepaintsWhenTheControlTurnsHotAndWhenThePointerChangesHalves) {
    HWND control = addUpDown(0, 10, 10, 20, 40);
    skin::InstallUpDownSkin(index(), popup.hwnd());
    skin::SkinnedWindow& record = popup.record();

    ScribbleOver(control);
    SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(5, 30));
    EXPECT_TRUE(Repainted(control));
    EXPECT_EQ(1, entry(1).hover);
    EXPECT_EQ(1, entry(1).hotPart);
    EXPECT_EQ(1, record.hotIndex);
    EXPECT_EQ(skin::kHotKindUpDown, record.hotKind);

    ScribbleOver(control);
    SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(6, 33));  // same half
    EXPECT_FALSE(Repainted(control));

    SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(6, 20));  // onto the split: first half
    EXPECT_TRUE(Repainted(control));
    EXPECT_EQ(0, entry(1).hotPart);

    // Another family's control with the same entry index became hot meanwhile.
    record.hotKind = skin::kHotKindButton;
    ScribbleOver(control);
    SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(6, 5));
    EXPECT_TRUE(Repainted(control));
    EXPECT_EQ(skin::kHotKindUpDown, record.hotKind);
}

TEST_F(UpDownHover, LeavingClearsTheHotControlAndRepaintsAtRest) {
    HWND control = addUpDown(0, 10, 10, 20, 40);
    skin::InstallUpDownSkin(index(), popup.hwnd());
    SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(5, 30));

    ScribbleOver(control);
    SendMessageA(control, WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(Repainted(control));
    EXPECT_EQ(0, entry(1).hover);
    EXPECT_EQ(0, popup.record().hotIndex);

    // Coming back into the same half is a new hot control again.
    ScribbleOver(control);
    SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(5, 30));
    EXPECT_TRUE(Repainted(control));
}

}  // namespace
