// What a skinned progress bar looks like, read back from its window: where the bar lies
// for a horizontal and a vertical control, no bar at or below zero or for an empty range,
// and a painter that leaves no objects behind.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "support/BarsFixture.h"
#include "support/SkinnedPopup.h"
#include "skin/controls/ProgressSkin.h"
#include "support/Pump.h"
#include "support/SkinCounts.h"

using bars_test::Blueness;
using namespace testing_support;

namespace {

constexpr COLORREF kBackground = RGB(40, 160, 40);
constexpr int kBlue = 60;  // the bar, in a pure blue theme, is at least this much bluer

class ProgressPaint : public bars_test::BarPaintTest {
protected:
    ProgressPaint() : BarPaintTest(kBackground) {}

    HWND skinned(DWORD style, int width, int height, int low, int high, int pos) {
        HWND bar = popup.add("msctls_progress32", "", style, 10, 10, width, height);
        SendMessageA(bar, PBM_SETRANGE32, low, high);
        SendMessageA(bar, PBM_SETPOS, pos, 0);
        skin::InstallProgressSkin(popup.index(), popup.hwnd());
        settle(bar);
        return bar;
    }
    bool isBar(HWND bar, int x, int y) { return Blueness(PixelAt(bar, x, y)) > kBlue; }
};

TEST_F(ProgressPaint, HalfOfARangeFromZeroFillsHalfTheWidth) {
    HWND bar = skinned(0, 200, 20, 0, 100, 50);
    // The bar's area is 100 wide; its rounded shape spans 1..98.
    for (int x : {3, 50, 96}) EXPECT_TRUE(isBar(bar, x, 10)) << x;
    for (int x : {101, 150, 196}) EXPECT_FALSE(isBar(bar, x, 10)) << x;
    EXPECT_TRUE(isBar(bar, 50, 8));  // lighter towards its top, but blue all the way down
    EXPECT_TRUE(isBar(bar, 50, 16));
    EXPECT_FALSE(Near(kBackground, PixelAt(bar, 150, 10), 6));  // the plate lies under the rest

    // A new position repaints through the control's own invalidation.
    SendMessageA(bar, PBM_SETPOS, 75, 0);
    UpdateWindow(bar);
    EXPECT_TRUE(isBar(bar, 140, 10));
    EXPECT_FALSE(isBar(bar, 155, 10));
}

TEST_F(ProgressPaint, AVerticalBarIsAnchoredAtTheBottom) {
    HWND bar = skinned(PBS_VERTICAL, 20, 200, 0, 100, 50);
    for (int y : {104, 150, 196}) EXPECT_TRUE(isBar(bar, 10, y)) << y;
    for (int y : {4, 50, 97}) EXPECT_FALSE(isBar(bar, 10, y)) << y;
}

TEST_F(ProgressPaint, ThePositionScalesByTheRangeSizeWithoutItsLowEnd) {
    // 50..150 at 100: the bar reaches 100 * 200 / 100 = 200, the whole width.
    HWND bar = skinned(0, 200, 20, 50, 150, 100);
    EXPECT_TRUE(isBar(bar, 150, 10));
}

TEST_F(ProgressPaint, NoBarAtZeroOrBelow) {
    HWND atZero = skinned(0, 200, 20, 0, 100, 0);
    for (int x : {2, 5, 100}) EXPECT_FALSE(isBar(atZero, x, 10)) << x;

    SendMessageA(atZero, PBM_SETRANGE32, static_cast<WPARAM>(-50), 50);
    SendMessageA(atZero, PBM_SETPOS, static_cast<WPARAM>(-20), 0);
    settle(atZero);
    ASSERT_EQ(-20, static_cast<int>(SendMessageA(atZero, PBM_GETPOS, 0, 0)));
    for (int x : {2, 5, 100}) EXPECT_FALSE(isBar(atZero, x, 10)) << x;
}

TEST_F(ProgressPaint, AnEmptyRangeDrawsThePlateAndNoBar) {
    for (DWORD style : {DWORD{0}, DWORD{PBS_VERTICAL}}) {
        const bool vertical = style == PBS_VERTICAL;
        HWND bar = skinned(style, vertical ? 20 : 200, vertical ? 200 : 20, 30, 30, 30);
        PBRANGE range = {};
        SendMessageA(bar, PBM_GETRANGE, 0, reinterpret_cast<LPARAM>(&range));
        ASSERT_EQ(range.iLow, range.iHigh);
        for (int along : {5, 100, 190}) {
            const int x = vertical ? 10 : along;
            const int y = vertical ? along : 10;
            EXPECT_FALSE(isBar(bar, x, y)) << along;
            EXPECT_FALSE(Near(kBackground, PixelAt(bar, x, y), 6)) << along;  // the plate is there
        }
        DestroyWindow(bar);
    }
}

TEST_F(ProgressPaint, PositionChangesLeaveNoObjectsBehind) {
    HWND across = skinned(0, 200, 20, 0, 100, 0);
    HWND upright = skinned(PBS_VERTICAL, 20, 200, 0, 100, 0);
    auto events = [&](int count) {
        for (int i = 0; i < count; ++i) {
            HWND bar = i % 2 ? upright : across;
            SendMessageA(bar, PBM_SETPOS, i % 101, 0);
            UpdateWindow(bar);
        }
    };
    testing_support::ExpectDrawingObjectsFlat(events, 200, 10000);
}

}  // namespace
