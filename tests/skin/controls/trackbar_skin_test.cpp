// Track bars taken over: what the installer records, which messages the skin keeps from
// the control's own procedure, and when hover repaints.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "support/BarsFixture.h"
#include "support/PopupTest.h"
#include "skin/controls/TrackBarSkin.h"
#include "support/Pump.h"

using skin::TrackBarEntry;
using namespace testing_support;

namespace {

constexpr COLORREF kMarker = RGB(1, 254, 3);

class TrackBarSkin : public PopupTest {
protected:
    HWND addTrackBar(DWORD style, int x, int y, int width = 150, int height = 30) {
        HWND bar = popup.add("msctls_trackbar32", "", style, x, y, width, height);
        SendMessageA(bar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
        SendMessageA(bar, TBM_SETPOS, TRUE, 50);
        return bar;
    }
    // Lets pending paints run, then marks the surface: the marker stays until the skin paints.
    void settleAndMark(HWND bar) {
        UpdateWindow(popup.hwnd());
        testing_support::PumpMessages();
        Scribble(bar, kMarker);
    }
    bool repainted(HWND bar) { return PixelAt(bar, 40, 2) != kMarker; }
};

TEST_F(TrackBarSkin, InstallerRecordsEveryTrackBarWithItsStyleAndLeavesOthersAlone) {
    HWND plain = addTrackBar(0, 10, 10);
    HWND vertical = addTrackBar(TBS_VERT | TBS_TOP | TBS_ENABLESELRANGE, 170, 10, 30, 150);
    HWND both = addTrackBar(TBS_BOTH, 10, 50);
    HWND none = addTrackBar(TBS_NOTICKS | TBS_TOP, 10, 90);
    HWND progress = popup.add("msctls_progress32", "", 0, 10, 130, 100, 20);
    const LONG_PTR systemProc = GetWindowLongPtrA(plain, GWLP_WNDPROC);
    const LONG_PTR progressProc = GetWindowLongPtrA(progress, GWLP_WNDPROC);

    skin::SkinControls = 0;
    skin::InstallTrackBarSkin(popup.index(), popup.hwnd());
    EXPECT_EQ(nullptr, popup.record().trackBarControls.at(1)->hwnd);
    EXPECT_EQ(systemProc, GetWindowLongPtrA(plain, GWLP_WNDPROC));

    skin::SkinControls = 1;
    skin::InstallTrackBarSkin(popup.index(), popup.hwnd());

    struct Expected {
        HWND window;
        int vertical, tickMode, selectionRange;
    };
    const Expected expected[] = {{plain, 0, skin::kTickModeBottom, 0},
                                 {vertical, 1, skin::kTickModeTop, 1},
                                 {both, 0, skin::kTickModeBoth, 0},
                                 {none, 0, skin::kTickModeNone, 0}};
    auto& list = popup.record().trackBarControls;
    ASSERT_EQ(4, list.count());
    for (int i = 1; i <= 4; ++i) {
        SCOPED_TRACE(i);
        const TrackBarEntry* entry = list.at(i);
        const Expected& want = expected[i - 1];
        ASSERT_EQ(want.window, entry->hwnd);
        EXPECT_EQ(want.vertical, entry->vertical);
        EXPECT_EQ(want.tickMode, entry->tickMode);
        EXPECT_EQ(want.selectionRange, entry->selectionRange);
        EXPECT_EQ(0, entry->hover);
        ExpectTakenOver(*entry, want.window, i, popup.index(), systemProc, skin::TrackBarSkinProc);
    }
    EXPECT_EQ(progressProc, GetWindowLongPtrA(progress, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, GetPropA(progress, skin::kPropListIndex));
}

TEST_F(TrackBarSkin, PaintMessagesNeverReachTheControlWhileEverythingElseDoes) {
    HWND bar = addTrackBar(TBS_ENABLESELRANGE, 10, 10);
    skin::InstallTrackBarSkin(popup.index(), popup.hwnd());
    testing_support::PumpMessages();
    MessageSpy spy(bar);

    ExpectErasingAnswered(bar);
    EXPECT_EQ(1, SendMessageA(bar, WM_NCPAINT, 1, 0));
    RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    EXPECT_EQ(0, spy.count(WM_PAINT));
    EXPECT_EQ(0, spy.count(WM_NCPAINT));
    EXPECT_EQ(0, spy.count(WM_ERASEBKGND));

    // The control keeps its behaviour: keys move the thumb, moves and mouse messages pass.
    SendMessageA(bar, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(51, SendMessageA(bar, TBM_GETPOS, 0, 0));
    SetWindowPos(bar, nullptr, 12, 14, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(bar, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(bar, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(1, spy.count(WM_MOVE));
    EXPECT_EQ(1, spy.count(WM_MOUSEMOVE));
    EXPECT_EQ(1, spy.count(WM_MOUSELEAVE));
    EXPECT_EQ(1, spy.count(WM_KEYDOWN));
}

TEST_F(TrackBarSkin, HoverRepaintsOnlyWhenTheHotControlChanges) {
    HWND first = addTrackBar(0, 10, 10);
    HWND second = addTrackBar(0, 10, 60);
    skin::InstallTrackBarSkin(popup.index(), popup.hwnd());
    skin::SkinnedWindow& record = popup.record();
    const TrackBarEntry& firstEntry = *record.trackBarControls.at(1);

    settleAndMark(first);
    SendMessageA(first, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(repainted(first));
    EXPECT_EQ(1, firstEntry.hover);
    EXPECT_EQ(1, record.hotIndex);
    EXPECT_EQ(skin::kHotKindTrackBar, record.hotKind);

    Scribble(first, kMarker);
    SendMessageA(first, WM_MOUSEMOVE, 0, MAKELPARAM(30, 6));
    EXPECT_FALSE(repainted(first));  // same hot control: no paint on a plain move

    settleAndMark(second);
    SendMessageA(second, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(repainted(second));
    EXPECT_EQ(2, record.hotIndex);

    // A control of another family holding the same index is not this track bar.
    record.hotIndex = 1;
    record.hotKind = skin::kHotKindButton;
    Scribble(first, kMarker);
    SendMessageA(first, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(repainted(first));
    EXPECT_EQ(skin::kHotKindTrackBar, record.hotKind);

    Scribble(first, kMarker);
    SendMessageA(first, WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(repainted(first));
    EXPECT_EQ(0, firstEntry.hover);
    EXPECT_EQ(0, record.hotIndex);
}

TEST_F(TrackBarSkin, StaleLookupsPassOnAndPaintNothing) {
    HWND bar = addTrackBar(0, 10, 10);
    skin::InstallTrackBarSkin(popup.index(), popup.hwnd());
    settleAndMark(bar);

    skin::SetPropInt(bar, skin::kPropListIndex, 7);
    SendMessageA(bar, WM_NCPAINT, 1, 0);
    SendMessageA(bar, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    skin::PaintTrackBar(popup.index(), 7);
    skin::PaintTrackBar(popup.index() + 3, 1);
    skin::PaintTrackBar(popup.index(), 0);
    EXPECT_FALSE(repainted(bar));
    EXPECT_EQ(0, popup.record().hotIndex);
    EXPECT_EQ(50, SendMessageA(bar, TBM_GETPOS, 0, 0));  // the control still answers

    skin::SetPropInt(bar, skin::kPropListIndex, 1);
    skin::PaintTrackBar(popup.index(), 1);
    EXPECT_TRUE(repainted(bar));
}

}  // namespace
