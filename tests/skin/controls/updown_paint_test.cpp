// What the up-down skin puts on the screen: the plate, the two buttons at rest, lit and
// sunken, the arrow glyphs in both orientations, and no objects left behind.
#include "skin/controls/UpDownSkin.h"

#include <functional>
#include <iterator>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/UpDownFixture.h"
#include "support/SkinCounts.h"

using namespace testing_support;
using updown_test::GradientOver;
using updown_test::kBlueRgb;
using updown_test::kWhiteRgb;
using updown_test::Plate;
using updown_test::UpDownTest;

namespace {

constexpr int kTolerance = 6;

bool IsDark(const Rgb& c) { return c.r < 70 && c.g < 70 && c.b < 70; }

class UpDownPaint : public UpDownTest {
protected:
    // A vertical 20 x 40 control (buttons 20 x 20) and a horizontal 40 x 20 one.
    void SetUp() override {
        vertical_ = addUpDown(0, 10, 10, 20, 40);
        horizontal_ = addUpDown(UDS_HORZ, 60, 10, 40, 20);
        skin::InstallUpDownSkin(index(), popup.hwnd());
    }
    Rgb at(HWND control, int x, int y) const { return ToRgb(WindowPixel(control, x, y)); }
    void paint(int entryIndex, bool hover, bool pressed, int x, int y) {
        skin::PaintUpDown(index(), entryIndex, hover, true, pressed, true, MAKELPARAM(x, y), true);
    }

    HWND vertical_ = nullptr;
    HWND horizontal_ = nullptr;
};

// Gradient positions of the sampled rows: (y + 0.5 - start) / length.
constexpr double kUpperT = 2.5 / 19;  // row 2 of the upper button, gradient 0..19
constexpr double kLowerT = 2.5 / 20;  // row 22 of the lower button, gradient 20..40

TEST_F(UpDownPaint, AtRestTheUpperButtonIsSlightlyWhiterThanTheLower) {
    paint(1, false, false, 0, 0);
    const Rgb upper = at(vertical_, 3, 2);
    const Rgb lower = at(vertical_, 3, 22);
    EXPECT_PRED3(Near, GradientOver(Plate(), kWhiteRgb, 60, kBlueRgb, 100, kUpperT), upper, kTolerance) << upper;
    EXPECT_PRED3(Near, GradientOver(Plate(), kWhiteRgb, 20, kBlueRgb, 100, kLowerT), lower, kTolerance) << lower;
    EXPECT_GT(upper.r, lower.r + 4);

    // Held but not hovered: nothing is lit.
    paint(1, false, true, 3, 30);
    EXPECT_PRED3(Near, lower, at(vertical_, 3, 22), 2);
}

TEST_F(UpDownPaint, TheHalfUnderThePointerIsLitAndSunkenWhileHeld) {
    paint(1, true, false, 3, 30);
    EXPECT_PRED3(Near, GradientOver(Plate(), kWhiteRgb, 100, kBlueRgb, 150, kLowerT), at(vertical_, 3, 22), kTolerance);
    EXPECT_PRED3(Near, GradientOver(Plate(), kWhiteRgb, 60, kBlueRgb, 100, kUpperT), at(vertical_, 3, 2), kTolerance);

    paint(1, true, true, 3, 30);  // sunken: the gradient runs the other way
    EXPECT_PRED3(Near, GradientOver(Plate(), kBlueRgb, 100, kWhiteRgb, 150, kLowerT), at(vertical_, 3, 22), kTolerance);
    EXPECT_PRED3(Near, GradientOver(Plate(), kBlueRgb, 100, kWhiteRgb, 150, 16.5 / 20), at(vertical_, 3, 36),
                 kTolerance);

    // A point on the split lights the upper button.
    paint(1, true, false, 3, 20);
    EXPECT_PRED3(Near, GradientOver(Plate(), kWhiteRgb, 100, kBlueRgb, 150, kUpperT), at(vertical_, 3, 2), kTolerance);
    EXPECT_PRED3(Near, GradientOver(Plate(), kWhiteRgb, 20, kBlueRgb, 100, kLowerT), at(vertical_, 3, 22), kTolerance);
}

TEST_F(UpDownPaint, APressDrawsSunkenAtTheNextPaintAndLitAgainAfterRelease) {
    SendMessageA(vertical_, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    SendMessageA(vertical_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    RedrawWindow(vertical_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_PRED3(Near, GradientOver(Plate(), kBlueRgb, 100, kWhiteRgb, 150, kUpperT), at(vertical_, 3, 2), kTolerance);

    SendMessageA(vertical_, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    RedrawWindow(vertical_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_PRED3(Near, GradientOver(Plate(), kWhiteRgb, 100, kBlueRgb, 150, kUpperT), at(vertical_, 3, 2), kTolerance);

    // With nothing held, a later paint lights the half under the pointer, not the pressed one.
    SendMessageA(vertical_, WM_MOUSEMOVE, 0, MAKELPARAM(4, 30));
    RedrawWindow(vertical_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_PRED3(Near, GradientOver(Plate(), kWhiteRgb, 100, kBlueRgb, 150, kLowerT), at(vertical_, 3, 22), kTolerance);
    EXPECT_PRED3(Near, GradientOver(Plate(), kWhiteRgb, 60, kBlueRgb, 100, kUpperT), at(vertical_, 3, 2), kTolerance);
}

TEST_F(UpDownPaint, HorizontalButtonsRestAlikeAndLightByColumn) {
    paint(2, false, false, 0, 0);
    // Both horizontal buttons rest at white 20; gradients 0..19 and 19..40.
    EXPECT_PRED3(Near, GradientOver(Plate(), kWhiteRgb, 20, kBlueRgb, 100, 3.5 / 19), at(horizontal_, 3, 3),
                 kTolerance);
    EXPECT_PRED3(Near, GradientOver(Plate(), kWhiteRgb, 20, kBlueRgb, 100, 4.5 / 21), at(horizontal_, 23, 3),
                 kTolerance);

    paint(2, true, false, 21, 15);
    EXPECT_PRED3(Near, GradientOver(Plate(), kWhiteRgb, 100, kBlueRgb, 150, 4.5 / 21), at(horizontal_, 23, 3),
                 kTolerance);
    EXPECT_PRED3(Near, GradientOver(Plate(), kWhiteRgb, 20, kBlueRgb, 100, 3.5 / 19), at(horizontal_, 3, 3),
                 kTolerance);
}

// Each arrow shows exactly its pixel design, on whole pixels: centred in its half and
// rounded down, whatever the control's size.
TEST_F(UpDownPaint, ArrowsShowTheirPixelDesignAwayFromTheSplit) {
    struct Arrow {
        int entryIndex;
        bool secondHalf;
        std::vector<std::pair<int, int>> spans;  // dark columns per row, or rows per column
    };
    const std::pair<int, int> narrowToWide[] = {{3, 3}, {2, 4}, {1, 5}, {0, 6}};
    const std::vector<std::pair<int, int>> up(std::begin(narrowToWide), std::end(narrowToWide));
    const std::vector<std::pair<int, int>> down(up.rbegin(), up.rend());
    const Arrow arrows[] = {{1, false, up}, {1, true, down}, {2, false, up}, {2, true, down}};
    for (const Arrow& arrow : arrows) {
        HWND control = arrow.entryIndex == 1 ? vertical_ : horizontal_;
        const bool horizontal = control == horizontal_;
        paint(arrow.entryIndex, false, false, 0, 0);
        RECT r = {};
        GetWindowRect(control, &r);
        const int width = r.right - r.left;
        const int height = r.bottom - r.top;
        // Along the split the arrow is 4 pixels deep, across it 7 wide.
        const int halfAlong = horizontal ? width / 2 : height / 2;
        const int across = horizontal ? height : width;
        const int alongStart = (arrow.secondHalf ? halfAlong : 0) + (halfAlong - 4) / 2;
        const int acrossStart = (across - 7) / 2;
        for (int a = 0; a < 4; ++a) {
            for (int c = 0; c < 7; ++c) {
                const bool dark = c >= arrow.spans[a].first && c <= arrow.spans[a].second;
                const int x = horizontal ? alongStart + a : acrossStart + c;
                const int y = horizontal ? acrossStart + c : alongStart + a;
                EXPECT_EQ(dark, IsDark(at(control, x, y)))
                    << "entry " << arrow.entryIndex << (arrow.secondHalf ? " second" : " first") << " at " << x << ","
                    << y;
            }
        }
    }
}

TEST_F(UpDownPaint, TheStrokeTakesTheThemeOnlyWhereLit) {
    paint(1, true, false, 3, 30);
    const Rgb litEdge = at(vertical_, 10, 39);
    const Rgb restEdge = at(vertical_, 10, 0);
    EXPECT_GT(litEdge.b, litEdge.r + 60) << litEdge;     // theme blue at 200
    EXPECT_LT(restEdge.b, restEdge.r + 60) << restEdge;  // black at 100 over a whitish fill
}

TEST_F(UpDownPaint, TenThousandEventsLeaveNoObjectBehind) {
    const std::function<void(int)> steps[] = {
        [&](int) { SendMessageA(vertical_, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4)); },
        [&](int) { SendMessageA(vertical_, WM_MOUSEMOVE, 0, MAKELPARAM(4, 30)); },
        [&](int i) { SendMessageA(horizontal_, WM_MOUSEMOVE, 0, MAKELPARAM(i % 40, 4)); },
        [&](int) { SendMessageA(vertical_, WM_MOUSELEAVE, 0, 0); },
        [&](int i) {
            paint(1 + i % 2, true, true, 30, 30);
            RedrawWindow(horizontal_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            testing_support::PumpMessages();
        },
    };
    testing_support::ExpectDrawingObjectsFlat(testing_support::StepsInTurn(steps), 200, 10000);
}

}  // namespace
