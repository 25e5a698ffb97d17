// What a skinned track bar looks like, read back from its window: the resting dot and the
// knob under the pointer, their places at the maximum and per tick mode, the selection
// mark, the plate switch, and a painter that leaves no objects behind.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "support/BarsFixture.h"
#include "support/SkinnedPopup.h"
#include "skin/controls/TrackBarSkin.h"
#include "support/Pump.h"
#include "support/SkinCounts.h"

using bars_test::Blueness;
using bars_test::NearlyWhite;
using namespace testing_support;

namespace {

constexpr COLORREF kBackground = RGB(200, 60, 40);

class TrackBarPaint : public bars_test::BarPaintTest {
protected:
    TrackBarPaint() : BarPaintTest(kBackground) {}

    // A skinned track bar over 0..100, painted and settled.
    HWND skinned(DWORD style, int pos, int width = 150, int height = 30) {
        HWND bar = popup.add("msctls_trackbar32", "", style, 10, 10, width, height);
        SendMessageA(bar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
        SendMessageA(bar, TBM_SETPOS, TRUE, pos);
        skin::InstallTrackBarSkin(popup.index(), popup.hwnd());
        settle(bar);
        return bar;
    }
    static RECT Thumb(HWND bar) {
        RECT thumb = {};
        SendMessageA(bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        return thumb;
    }
    static RECT Channel(HWND bar) {
        RECT channel = {};
        SendMessageA(bar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
        return channel;
    }
    // The first row from the top of column x that is nearly white, or -1.
    static int FirstWhiteRow(HWND bar, int x, int height) {
        for (int y = 0; y < height; ++y) {
            if (NearlyWhite(PixelAt(bar, x, y))) return y;
        }
        return -1;
    }
};

TEST_F(TrackBarPaint, RestingDotGrowsIntoAKnobUnderThePointerAndShrinksOnLeaving) {
    HWND bar = skinned(0, 50);
    const RECT t = Thumb(bar);
    const int cross = Channel(bar).top;  // the band's top edge across the bar

    EXPECT_TRUE(NearlyWhite(PixelAt(bar, t.left + 2, cross + 1)));  // 4 x 4 dot at the thumb's leading edge
    EXPECT_FALSE(NearlyWhite(PixelAt(bar, t.left + 8, cross + 1)));
    EXPECT_FALSE(NearlyWhite(PixelAt(bar, t.left + 5, cross - 2)));

    SendMessageA(bar, WM_MOUSEMOVE, 0, MAKELPARAM(t.left + 2, cross));
    for (POINT inside : {POINT{t.left + 5, cross + 1}, POINT{t.left + 8, cross + 1}, POINT{t.left + 5, cross - 2},
                         POINT{t.left + 2, cross + 4}}) {
        EXPECT_TRUE(NearlyWhite(PixelAt(bar, inside.x, inside.y))) << inside.x << "," << inside.y;
    }
    EXPECT_FALSE(NearlyWhite(PixelAt(bar, t.left + 13, cross + 1)));  // 11 wide, no more

    SendMessageA(bar, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(NearlyWhite(PixelAt(bar, t.left + 8, cross + 1)));
    EXPECT_TRUE(NearlyWhite(PixelAt(bar, t.left + 2, cross + 1)));
}

TEST_F(TrackBarPaint, VerticalBarsRunTheDotAndKnobDownTheChannel) {
    HWND bar = skinned(TBS_VERT, 50, 30, 150);
    const RECT t = Thumb(bar);
    const RECT c = Channel(bar);
    // The narrow side across the bar, whichever orientation the rectangle is reported in.
    const int cross = c.bottom - c.top > c.right - c.left ? c.left : c.top;

    EXPECT_TRUE(NearlyWhite(PixelAt(bar, cross + 1, t.top + 2)));
    EXPECT_FALSE(NearlyWhite(PixelAt(bar, cross + 1, t.top + 8)));

    SendMessageA(bar, WM_MOUSEMOVE, 0, MAKELPARAM(cross, t.top + 2));
    EXPECT_TRUE(NearlyWhite(PixelAt(bar, cross + 1, t.top + 8)));
    EXPECT_TRUE(NearlyWhite(PixelAt(bar, cross - 2, t.top + 5)));
}

TEST_F(TrackBarPaint, AtTheMaximumTheDotMovesEightFurtherAndTheLineGrowsByTen) {
    HWND atMax = skinned(0, 100);
    const RECT t = Thumb(atMax);
    const int cross = Channel(atMax).top;
    auto lineBlueness = [&](HWND bar, int x) {
        return std::max(Blueness(PixelAt(bar, x, cross + 1)), Blueness(PixelAt(bar, x, cross + 2)));
    };

    EXPECT_TRUE(NearlyWhite(PixelAt(atMax, t.left + 10, cross + 1)));
    EXPECT_FALSE(NearlyWhite(PixelAt(atMax, t.left + 2, cross + 1)));
    EXPECT_GT(lineBlueness(atMax, t.left + 5), 80);  // the line runs on past the thumb's edge
    EXPECT_GT(lineBlueness(atMax, t.left - 20), 80);

    // Under the pointer the knob stays at the thumb; the line still reaches past its edge.
    SendMessageA(atMax, WM_MOUSEMOVE, 0, MAKELPARAM(t.left, cross));
    EXPECT_TRUE(NearlyWhite(PixelAt(atMax, t.left + 3, cross - 2)));

    // Short of the maximum the line stops before the dot.
    SendMessageA(atMax, WM_MOUSELEAVE, 0, 0);
    SendMessageA(atMax, TBM_SETPOS, TRUE, 50);
    settle(atMax);
    const RECT mid = Thumb(atMax);
    EXPECT_GT(lineBlueness(atMax, mid.left - 10), 80);
    EXPECT_LT(lineBlueness(atMax, mid.left + 6), 40);
    EXPECT_TRUE(NearlyWhite(PixelAt(atMax, mid.left + 2, cross + 1)));
}

TEST_F(TrackBarPaint, TickModesNudgeTheHoveredKnobAcrossTheChannel) {
    auto knobTopBelowChannel = [&](DWORD style, int y) {
        HWND bar = popup.add("msctls_trackbar32", "", style, 10, y, 150, 40);
        SendMessageA(bar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
        SendMessageA(bar, TBM_SETPOS, TRUE, 50);
        skin::InstallTrackBarSkin(popup.index(), popup.hwnd());
        settle(bar);
        const RECT t = Thumb(bar);
        SendMessageA(bar, WM_MOUSEMOVE, 0, MAKELPARAM(t.left, 5));
        return FirstWhiteRow(bar, t.left + 5, 40) - Channel(bar).top;
    };
    const int bottom = knobTopBelowChannel(0, 5);
    const int top = knobTopBelowChannel(TBS_TOP, 50);
    const int both = knobTopBelowChannel(TBS_BOTH, 95);
    const int none = knobTopBelowChannel(TBS_NOTICKS | TBS_TOP, 140);
    ASSERT_GE(bottom, -4);  // the knob reaches about four rows above the channel
    ASSERT_LE(bottom, -2);
    EXPECT_EQ(bottom + 2, top);
    EXPECT_EQ(bottom + 1, both);
    EXPECT_EQ(bottom, none);
}

TEST_F(TrackBarPaint, SelectionMarkLightsTheSelectedStretchOfTheNarrowBand) {
    HWND bar = skinned(TBS_ENABLESELRANGE, 0);
    SendMessageA(bar, TBM_SETSEL, TRUE, MAKELPARAM(40, 70));
    settle(bar);
    const RECT c = Channel(bar);
    const int markRow = c.top + (c.bottom - c.top - 4) / 2 + 1;
    auto brightest = [&](int x) {
        int best = 0;
        for (int y = markRow - 1; y <= markRow + 2; ++y) best = std::max<int>(best, GetGValue(PixelAt(bar, x, y)));
        return best;
    };
    const int len = c.right - c.left;
    const int inside = c.left + len * 55 / 100;
    const int outside = c.left + len * 85 / 100;
    EXPECT_GT(brightest(inside), brightest(outside) + 40);
}

TEST_F(TrackBarPaint, ARangeEndingAtZeroPaintsWithoutASelectionMark) {
    HWND bar = popup.add("msctls_trackbar32", "", TBS_ENABLESELRANGE, 10, 10, 150, 30);
    SendMessageA(bar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 0));
    SendMessageA(bar, TBM_SETSEL, TRUE, MAKELPARAM(0, 0));
    skin::InstallTrackBarSkin(popup.index(), popup.hwnd());
    settle(bar);
    ASSERT_EQ(0, SendMessageA(bar, TBM_GETRANGEMAX, 0, 0));

    const RECT t = Thumb(bar);
    const RECT c = Channel(bar);
    const int markRow = c.top + (c.bottom - c.top - 4) / 2 + 1;
    EXPECT_TRUE(NearlyWhite(PixelAt(bar, t.left + 10, markRow)));  // the dot, drawn after the mark's turn
    // Along the band, away from the dot and the line, the row is even: no mark anywhere.
    const COLORREF reference = PixelAt(bar, c.right - 3, markRow);
    for (int x = t.left + 16; x < c.right - 2; x += 5) {
        EXPECT_TRUE(Near(reference, PixelAt(bar, x, markRow), 12)) << x;
    }
}

TEST_F(TrackBarPaint, ThePlateFollowsTheControlFramesSetting) {
    HWND bar = skinned(0, 50);
    EXPECT_FALSE(Near(kBackground, PixelAt(bar, 20, 3), 6));  // the plate's lighter top

    skin::SkinControlFrames = 0;
    settle(bar);
    EXPECT_TRUE(Near(kBackground, PixelAt(bar, 20, 3), 2));
    EXPECT_TRUE(Near(kBackground, PixelAt(bar, 147, 27), 2));
    EXPECT_TRUE(NearlyWhite(PixelAt(bar, Thumb(bar).left + 2, Channel(bar).top + 1)));
}

TEST_F(TrackBarPaint, HoverAndPositionChangesLeaveNoObjectsBehind) {
    HWND bar = skinned(TBS_ENABLESELRANGE, 10);
    SendMessageA(bar, TBM_SETSEL, TRUE, MAKELPARAM(20, 60));
    const std::function<void(int)> steps[] = {
        [&](int) { SendMessageA(bar, WM_MOUSEMOVE, 0, MAKELPARAM(20, 10)); },
        [&](int) { SendMessageA(bar, WM_MOUSELEAVE, 0, 0); },
        [&](int i) { SendMessageA(bar, TBM_SETPOS, TRUE, i % 101); },
        [&](int) { settle(bar); },
    };
    testing_support::ExpectDrawingObjectsFlat(testing_support::StepsInTurn(steps), 200, 10000);
}

}  // namespace
