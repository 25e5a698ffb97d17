// Taking a window over builds its caption strip; the strip's layout, hit tests and actions.
#include <gtest/gtest.h>

#include "support/FrameFixture.h"
#include "skin/frame/CaptionButtons.h"

using namespace skin;
using namespace frame_test;

namespace {

using CaptionButtons = FrameTest;

std::vector<int> IdsOf(const SkinnedWindow& record) {
    std::vector<int> ids;
    record.captionButtons.forEach([&ids](int, const CaptionButton& b) { ids.push_back(b.id); });
    return ids;
}

TEST_F(CaptionButtons, FiveButtonsMakeA149PixelStripOnA27PixelPitch) {
    const int index = skinned(MakeFrameWindow(400, 300, WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    ASSERT_EQ(index, 1);
    const SkinnedWindow& r = record(index);
    EXPECT_EQ(IdsOf(r),
              (std::vector<int>{kCaptionHelp, kCaptionMenu, kCaptionMinimize, kCaptionMaximize, kCaptionClose}));
    EXPECT_EQ(r.buttonsWidth, 149);
    EXPECT_EQ(r.buttonsHeight, 22);
    EXPECT_EQ(r.buttonsLeft, 400 - 149 + 1);
    const CaptionButton* help = r.captionButtons.at(1);
    ASSERT_NE(help, nullptr);
    EXPECT_FLOAT_EQ(help->hitRect.x, 400 - 149 + 3);
    EXPECT_FLOAT_EQ(help->hitRect.y, 1);
    EXPECT_FLOAT_EQ(help->hitRect.height, 18);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_FLOAT_EQ(r.captionButtons.at(n)->hitRect.width, 26) << n;
        EXPECT_FLOAT_EQ(r.captionButtons.at(n + 1)->hitRect.x - r.captionButtons.at(n)->hitRect.x, 27) << n;
    }
    EXPECT_FLOAT_EQ(r.captionButtons.at(5)->hitRect.width, 40);
    // Pictures and tips come with each button; only maximize has a second picture.
    EXPECT_FALSE(r.captionButtons.at(4)->secondPicture.empty());
    EXPECT_TRUE(r.captionButtons.at(5)->secondPicture.empty());
    EXPECT_FALSE(r.captionButtons.at(5)->picture.empty());
    EXPECT_EQ(r.captionButtons.at(1)->toolTipText, "帮助");
    EXPECT_EQ(r.captionButtons.at(5)->toolTipText, "关闭");
}

TEST_F(CaptionButtons, WithoutBoxesHelpMenuAndCloseMakeA95PixelStrip) {
    const int index = skinned(MakeFrameWindow(400, 300, 0));
    const SkinnedWindow& r = record(index);
    EXPECT_EQ(IdsOf(r), (std::vector<int>{kCaptionHelp, kCaptionMenu, kCaptionClose}));
    EXPECT_EQ(r.buttonsWidth, 95);
    EXPECT_EQ(r.hasMinimizeBox, 0);
    EXPECT_EQ(engine().maximizeButtonNumber(index), 0);
    // The take-over adds the system menu style and leaves the composition for the first paint.
    EXPECT_TRUE(GetWindowLongA(r.hwnd, GWL_STYLE) & WS_SYSMENU);
    EXPECT_EQ(engine().frameBorder, 3);
}

TEST_F(CaptionButtons, OnlyCloseWhenNothingElseIsAsked) {
    SkinWindowArgs args;
    const int index = skinned(MakeFrameWindow(300, 200, 0), args);
    EXPECT_EQ(IdsOf(record(index)), (std::vector<int>{kCaptionClose}));
    EXPECT_EQ(record(index).buttonsWidth, 38 + 0 + 3);
}

TEST_F(CaptionButtons, TitleHeightIsAtLeast25) {
    SkinWindowArgs low = AllButtons(nullptr);
    low.titleHeight = 10;
    SkinWindowArgs high = AllButtons(nullptr);
    high.titleHeight = 30;
    EXPECT_EQ(record(skinned(MakeFrameWindow(300, 200, 0), low)).titleHeight, 25);
    EXPECT_EQ(record(skinned(MakeFrameWindow(300, 200, 0), high)).titleHeight, 30);
}

TEST_F(CaptionButtons, SkinningTwiceKeepsOneRecordAndOneSubclassing) {
    HWND window = track(MakeFrameWindow(300, 200, WS_MINIMIZEBOX));
    const int index = skinned(window);
    const LONG_PTR procedure = GetWindowLongPtrA(window, GWLP_WNDPROC);
    const WNDPROC previous = GetPropHandle<WNDPROC>(window, kPropPreviousProc);
    engine().skinWindow(AllButtons(window));
    EXPECT_EQ(TheSkinRegistry().count(), 1);
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), procedure);
    EXPECT_EQ(GetPropHandle<WNDPROC>(window, kPropPreviousProc), previous);
    EXPECT_EQ(GetPropInt(window, kPropListIndex), index);
    EXPECT_EQ(procedure, reinterpret_cast<LONG_PTR>(&EngineWindowProc));
    EXPECT_NE(previous, nullptr);
    EXPECT_NE(reinterpret_cast<LONG_PTR>(previous), procedure);
}

TEST_F(CaptionButtons, TheStripFollowsTheWindowWidth) {
    HWND window = MakeFrameWindow(400, 300, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    const int index = skinned(window);
    SetWindowPos(window, nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(record(index).buttonsLeft, 500 - 149 + 1);
    EXPECT_FLOAT_EQ(record(index).captionButtons.at(1)->hitRect.x, 500 - 149 + 3);
}

TEST_F(CaptionButtons, HitTestsAreStrictAtEveryBorder) {
    const int index = skinned(MakeFrameWindow(400, 300, WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    const SkinnedWindow& r = record(index);
    const int left = static_cast<int>(r.captionButtons.at(1)->hitRect.x);  // 254
    EXPECT_EQ(engine().captionButtonAt(index, left, 10), 0);
    EXPECT_EQ(engine().captionButtonAt(index, left + 1, 10), 1);
    EXPECT_EQ(engine().captionButtonAt(index, left + 25, 10), 1);
    // The pixel between two buttons belongs to neither, nor does the one where the next starts.
    EXPECT_EQ(engine().captionButtonAt(index, left + 26, 10), 0);
    EXPECT_EQ(engine().captionButtonAt(index, left + 27, 10), 0);
    EXPECT_EQ(engine().captionButtonAt(index, left + 28, 10), 2);
    // Top edge y = 1 and bottom edge y = 19 are outside; 2 and 18 inside.
    EXPECT_EQ(engine().captionButtonAt(index, left + 5, 1), 0);
    EXPECT_EQ(engine().captionButtonAt(index, left + 5, 2), 1);
    EXPECT_EQ(engine().captionButtonAt(index, left + 5, 18), 1);
    EXPECT_EQ(engine().captionButtonAt(index, left + 5, 19), 0);
    EXPECT_EQ(engine().captionButtonAt(index, 390, 10), 5);
    EXPECT_EQ(engine().captionButtonAt(index, 390, 30), 0);
    EXPECT_EQ(engine().captionButtonAt(index, 100, 10), 0);
    EXPECT_EQ(engine().captionButtonAt(99, 390, 10), 0);
}

TEST_F(CaptionButtons, TheStripZoneKeepsTwoPixelsOfSlackOnTheLeft) {
    const int index = skinned(MakeFrameWindow(400, 300, WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    const int left = record(index).buttonsLeft;
    EXPECT_TRUE(InStrip(index, Point(left - 2, 0)));
    EXPECT_FALSE(InStrip(index, Point(left - 3, 5)));
    EXPECT_TRUE(InStrip(index, Point(left + 149, 22)));
    EXPECT_FALSE(InStrip(index, Point(left + 150, 5)));
    EXPECT_FALSE(InStrip(index, Point(left + 5, 23)));
    EXPECT_FALSE(InStrip(index, Point(left + 5, -1)));
    EXPECT_FALSE(InStrip(0, Point(left + 5, 5)));
}

TEST_F(CaptionButtons, ActionsSendTheirCommandsAndMaximizeToggles) {
    const int index = skinned(MakeFrameWindow(400, 300, WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    engine().captionButtonAction(index, 4);
    EXPECT_EQ(record(index).maximizedFlag, 1);
    EXPECT_EQ(record(index).backgroundStale, 1);
    engine().captionButtonAction(index, 4);
    EXPECT_EQ(record(index).maximizedFlag, 0);
    engine().captionButtonAction(index, 3);
    EXPECT_EQ(record(index).minimizedFlag, 1);
    engine().captionButtonAction(index, 5);
    EXPECT_EQ(RecordedCommands(), (std::vector<WPARAM>{SC_MAXIMIZE, SC_RESTORE, SC_MINIMIZE, SC_CLOSE}));
}

int g_callbackRuns = 0;
LRESULT CALLBACK CountingCallback(HWND, UINT, WPARAM, LPARAM) {
    ++g_callbackRuns;
    return 0;
}

TEST_F(CaptionButtons, HelpAndMenuRunOnlyCallbacksThatAreSet) {
    HWND window = MakeFrameWindow(400, 300, 0);
    const int index = skinned(window);
    g_callbackRuns = 0;
    engine().captionButtonAction(index, 1);
    engine().captionButtonAction(index, 2);
    EXPECT_EQ(g_callbackRuns, 0);
    engine().setHelpCallback(window, CountingCallback);
    engine().setMenuCallback(window, CountingCallback);
    engine().captionButtonAction(index, 1);
    engine().captionButtonAction(index, 2);
    EXPECT_EQ(g_callbackRuns, 2);
    // Numbers outside the strip and unknown records do nothing.
    engine().captionButtonAction(index, 0);
    engine().captionButtonAction(index, 4);
    engine().captionButtonAction(7, 1);
    EXPECT_TRUE(RecordedCommands().empty());
    EXPECT_EQ(g_callbackRuns, 2);
}

}  // namespace
