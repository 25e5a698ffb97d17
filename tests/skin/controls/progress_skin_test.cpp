// Progress bars taken over: the installer's entries and the messages the skin keeps from
// the control's own procedure.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "support/BarsFixture.h"
#include "support/PopupTest.h"
#include "skin/controls/ProgressSkin.h"
#include "support/Pump.h"

using namespace testing_support;

namespace {

class ProgressSkin : public PopupTest {};

TEST_F(ProgressSkin, InstallerRecordsEveryProgressBarWithItsOrientation) {
    HWND across = popup.add("msctls_progress32", "", 0, 10, 10, 200, 20);
    HWND upright = popup.add("msctls_progress32", "", PBS_VERTICAL, 220, 10, 20, 200);
    HWND track = popup.add("msctls_trackbar32", "", 0, 10, 40, 150, 30);
    const LONG_PTR systemProc = GetWindowLongPtrA(across, GWLP_WNDPROC);
    const LONG_PTR trackProc = GetWindowLongPtrA(track, GWLP_WNDPROC);

    skin::SkinControls = 0;
    skin::InstallProgressSkin(popup.index(), popup.hwnd());
    EXPECT_EQ(nullptr, popup.record().progressControls.at(1)->hwnd);

    skin::SkinControls = 1;
    skin::InstallProgressSkin(popup.index(), popup.hwnd());
    auto& list = popup.record().progressControls;
    ASSERT_EQ(2, list.count());
    int index = 1;
    for (HWND bar : {across, upright}) {
        SCOPED_TRACE(index);
        const skin::ProgressEntry* entry = list.at(index);
        ASSERT_EQ(bar, entry->hwnd);
        EXPECT_EQ(bar == upright ? 1 : 0, entry->vertical);
        ExpectTakenOver(*entry, bar, index, popup.index(), systemProc, skin::ProgressSkinProc);
        ++index;
    }
    EXPECT_EQ(trackProc, GetWindowLongPtrA(track, GWLP_WNDPROC));
    // The record's hover state is not the progress family's to touch.
    SendMessageA(across, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(0, popup.record().hoverIndex);
    EXPECT_EQ(0, popup.record().hotIndex);
}

TEST_F(ProgressSkin, PaintMessagesNeverReachTheControlWhilePositionChangesDo) {
    HWND bar = popup.add("msctls_progress32", "", 0, 10, 10, 200, 20);
    skin::InstallProgressSkin(popup.index(), popup.hwnd());
    testing_support::PumpMessages();
    MessageSpy spy(bar);

    ExpectErasingAnswered(bar);
    EXPECT_EQ(1, SendMessageA(bar, WM_NCPAINT, 1, 0));

    SendMessageA(bar, PBM_SETPOS, 40, 0);
    SendMessageA(bar, PBM_STEPIT, 0, 0);
    RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    SetWindowPos(bar, nullptr, 12, 14, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(0, spy.count(WM_PAINT));
    EXPECT_EQ(0, spy.count(WM_NCPAINT));
    EXPECT_EQ(0, spy.count(WM_ERASEBKGND));
    EXPECT_EQ(1, spy.count(PBM_SETPOS));
    EXPECT_EQ(1, spy.count(PBM_STEPIT));
    EXPECT_EQ(1, spy.count(WM_MOVE));
    EXPECT_EQ(50, SendMessageA(bar, PBM_GETPOS, 0, 0));
}

TEST_F(ProgressSkin, StaleLookupsPassOnAndPaintNothing) {
    constexpr COLORREF kMarker = RGB(1, 254, 3);
    HWND bar = popup.add("msctls_progress32", "", 0, 10, 10, 200, 20);
    skin::InstallProgressSkin(popup.index(), popup.hwnd());
    UpdateWindow(bar);

    skin::SetPropInt(bar, skin::kPropOwnerIndex, popup.index() + 4);
    SendMessageA(bar, PBM_SETPOS, 30, 0);  // handled by the control's own procedure
    EXPECT_EQ(30, SendMessageA(bar, PBM_GETPOS, 0, 0));
    UpdateWindow(bar);
    testing_support::Scribble(bar, kMarker);
    skin::PaintProgressBar(popup.index() + 4, 1);
    skin::PaintProgressBar(popup.index(), 2);
    skin::PaintProgressBar(popup.index(), 0);
    EXPECT_EQ(kMarker, testing_support::PixelAt(bar, 100, 10));

    skin::SetPropInt(bar, skin::kPropOwnerIndex, popup.index());
    skin::PaintProgressBar(popup.index(), 1);
    EXPECT_NE(kMarker, testing_support::PixelAt(bar, 100, 10));
}

}  // namespace
