// The frame procedure driven by messages: fades, sizes, paints, double clicks, colour
// answers and the end of a window.
#include <gtest/gtest.h>

#include "skin/draw/Backgrounds.h"

#include <string>

#include "support/FrameFixture.h"
#include "graphics/GxGraphics.h"
#include "support/GdiCount.h"
#include "support/GdiplusSession.h"
#include "skin/frame/SizeLimits.h"
#include "skin/frame/WorkingSetTrim.h"

using namespace skin;
using namespace frame_test;
using testing_support::LiveGdiObjects;
using testing_support::PumpMessages;

namespace {

struct PaintCall {
    int button;
    std::optional<int> pressed;
    std::optional<int> alpha;
    bool operator==(const PaintCall& o) const { return button == o.button && pressed == o.pressed && alpha == o.alpha; }
};

std::vector<PaintCall> g_paints;  // single paints of caption buttons, composition excluded
int g_rebuilds = 0;
int g_copies = 0;
std::vector<int> g_actions;

void RecordPaint(SkinEngine&, int, int button, GxGraphics&, int composing, std::optional<int> pressed,
                 std::optional<int> alpha) {
    if (!composing) g_paints.push_back({button, pressed, alpha});
}
void CountRebuild(SkinEngine& engine, int index, HDC dc, int paint) {
    ++g_rebuilds;
    RebuildBackground(engine, index, dc, paint);
}
void CountCopy(SkinEngine& engine, int index, HDC dc) {
    ++g_copies;
    PaintFromBackground(engine, index, dc);
}
void RecordAction(SkinEngine&, int, int button) { g_actions.push_back(button); }

class FrameProc : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        g_paints.clear();
        g_rebuilds = 0;
        g_copies = 0;
        g_actions.clear();
    }
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageA(window_, message, wParam, lParam);
    }
    void moveTo(POINT p) { send(WM_MOUSEMOVE, 0, Point(p.x, p.y)); }
    void moveToButton(int button) { moveTo(centreOf(index_, button)); }
    void tick() { send(WM_TIMER, reinterpret_cast<WPARAM>(window_), 0); }
    int open(DWORD boxes = WS_MINIMIZEBOX | WS_MAXIMIZEBOX) {
        window_ = MakeFrameWindow(400, 300, boxes);
        index_ = skinned(window_);
        return index_;
    }
    // An open frame with the pointer inside it, whose caption buttons paint into g_paints.
    void openRecordingPaints() {
        open();
        engine().operations.paintCaptionButton = RecordPaint;
        record(index_).mouseInside = 1;
    }
    // From the close button to `button`, one tick into both fades, the paints so far forgotten.
    void midFadeFromCloseTo(int button) {
        moveToButton(5);
        moveToButton(button);
        tick();
        g_paints.clear();
    }

    HWND window_ = nullptr;
    int index_ = 0;
};

TEST_F(FrameProc, MovingFromCloseToMinimizeFadesBothInTheSameTicks) {
    openRecordingPaints();
    moveToButton(5);
    EXPECT_EQ(record(index_).hotCaptionButton, 5);
    EXPECT_EQ(record(index_).fadeTimerOn, 1);
    EXPECT_EQ(engine().pointedCaptionButton, 5);
    tick();
    EXPECT_EQ(g_paints, (std::vector<PaintCall>{{5, 0, 30}}));

    g_paints.clear();
    moveToButton(3);
    EXPECT_TRUE(g_paints.empty());  // nothing was fading out yet
    tick();
    EXPECT_EQ(g_paints, (std::vector<PaintCall>{{3, 0, 30}, {5, 0, 210}}));
}

TEST_F(FrameProc, ACutShortFadeOutEndsAtOnceInTheNormalLook) {
    openRecordingPaints();
    midFadeFromCloseTo(3);
    moveToButton(1);
    EXPECT_EQ(g_paints, (std::vector<PaintCall>{{5, 0, 0}}));
    EXPECT_EQ(record(index_).fadeOut.button, 3);
    EXPECT_EQ(record(index_).fadeOut.step, 0);
    EXPECT_EQ(record(index_).fadeIn.button, 1);
}

TEST_F(FrameProc, FadesRunEightStepsAndTheTimerStopsAfterTheLeave) {
    openRecordingPaints();
    moveToButton(2);
    for (int i = 0; i < 10; ++i) tick();
    std::vector<PaintCall> fadeIn;
    for (int step = 1; step <= 8; ++step) fadeIn.push_back({2, 0, step * 30});
    EXPECT_EQ(g_paints, fadeIn);

    g_paints.clear();
    send(WM_MOUSELEAVE);
    EXPECT_EQ(record(index_).hotCaptionButton, 0);
    EXPECT_TRUE(g_paints.empty());  // the fade-in had finished: nothing to cut short
    for (int i = 0; i < 10; ++i) tick();
    std::vector<PaintCall> fadeOut;
    for (int step = 1; step <= 8; ++step) fadeOut.push_back({2, 0, 240 - step * 30});
    EXPECT_EQ(g_paints, fadeOut);
    EXPECT_EQ(record(index_).fadeTimerOn, 0);
    EXPECT_EQ(record(index_).fadeOut.button, 0);
    EXPECT_FALSE(KillTimer(window_, reinterpret_cast<UINT_PTR>(window_)));
}

TEST_F(FrameProc, LeavingDuringBothFadesRepaintsTheFadingOutButton) {
    openRecordingPaints();
    midFadeFromCloseTo(4);
    send(WM_MOUSELEAVE);
    EXPECT_EQ(g_paints, (std::vector<PaintCall>{{5, std::nullopt, std::nullopt}}));
    EXPECT_EQ(record(index_).fadeIn.button, 0);
    EXPECT_EQ(record(index_).fadeOut.button, 4);
}

TEST_F(FrameProc, APressPaintsThePressedLookAndTheReleaseActs) {
    open();
    engine().operations.paintCaptionButton = RecordPaint;
    engine().operations.captionButtonAction = RecordAction;
    const POINT help = centreOf(index_, 1);
    send(WM_LBUTTONDOWN, MK_LBUTTON, Point(help.x, help.y));
    EXPECT_EQ(g_paints, (std::vector<PaintCall>{{1, 1, std::nullopt}}));
    send(WM_LBUTTONUP, 0, Point(help.x, help.y));
    EXPECT_EQ(g_actions, (std::vector<int>{1}));
    EXPECT_TRUE(RecordedMessages().empty());  // a press on the strip starts no loop
    // The pointer stays on the button: it is hot again at once, not pressed until it leaves.
    EXPECT_EQ(g_paints, (std::vector<PaintCall>{{1, 1, std::nullopt}, {1, 0, 240}}));

    // Released off the button, the action still runs but nothing is drawn hot.
    g_paints.clear();
    send(WM_LBUTTONDOWN, MK_LBUTTON, Point(help.x, help.y));
    send(WM_LBUTTONUP, 0, Point(help.x, help.y + 100));
    EXPECT_EQ(g_actions, (std::vector<int>{1, 1}));
    EXPECT_EQ(g_paints, (std::vector<PaintCall>{{1, 1, std::nullopt}}));
}

TEST_F(FrameProc, OnlyTheFirstSizeMessageLeavesTheBackgroundFresh) {
    open();
    record(index_).hotCaptionButton = 2;
    SetWindowPos(window_, nullptr, 0, 0, 420, 300, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(record(index_).backgroundStale, 0);
    EXPECT_EQ(record(index_).hotCaptionButton, 0);
    EXPECT_EQ(SkinFrameFlag, 0);
    SetWindowPos(window_, nullptr, 0, 0, 440, 300, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(record(index_).backgroundStale, 1);
}

TEST_F(FrameProc, PaintsRebuildWhenStaleCopyOtherwiseAndNothingWhileMinimized) {
    open();
    engine().operations.rebuildBackground = CountRebuild;
    engine().operations.paintFromBackground = CountCopy;
    PumpMessages();
    record(index_).minimizedFlag = 1;
    record(index_).backgroundStale = 1;
    g_rebuilds = g_copies = 0;
    InvalidateRect(window_, nullptr, FALSE);
    UpdateWindow(window_);
    EXPECT_EQ(g_rebuilds + g_copies, 0);
    EXPECT_EQ(record(index_).backgroundStale, 1);

    record(index_).minimizedFlag = 0;
    InvalidateRect(window_, nullptr, FALSE);
    UpdateWindow(window_);
    EXPECT_EQ(g_rebuilds, 1);
    EXPECT_EQ(record(index_).backgroundStale, 0);
    EXPECT_NE(record(index_).backgroundDC.get(), nullptr);

    g_rebuilds = g_copies = 0;
    InvalidateRect(window_, nullptr, FALSE);
    UpdateWindow(window_);
    EXPECT_EQ(g_rebuilds, 0);
    EXPECT_EQ(g_copies, 1);
}

TEST_F(FrameProc, ATitleDoubleClickMaximizesOnlyWithinTheBand) {
    open();
    engine().operations.captionButtonAction = RecordAction;
    send(WM_LBUTTONDBLCLK, 0, Point(150, 26));
    EXPECT_TRUE(g_actions.empty());
    send(WM_LBUTTONDBLCLK, 0, Point(150, 25));
    EXPECT_EQ(g_actions, (std::vector<int>{4}));
    record(index_).option30 = 0;
    send(WM_LBUTTONDBLCLK, 0, Point(150, 10));
    EXPECT_EQ(g_actions.size(), 1u);
}

TEST_F(FrameProc, SystemCommandsKeepTheFlags) {
    open();
    record(index_).backgroundStale = 0;
    send(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_EQ(record(index_).minimizedFlag, 1);
    EXPECT_EQ(record(index_).backgroundStale, 1);
    send(WM_QUERYOPEN);
    EXPECT_EQ(record(index_).minimizedFlag, 0);
    send(WM_SYSCOMMAND, SC_MAXIMIZE);
    EXPECT_EQ(record(index_).maximizedFlag, 1);
    EXPECT_EQ(RecordedCommands(), (std::vector<WPARAM>{SC_MINIMIZE, SC_MAXIMIZE}));
}

// A desktop whose task bar shows: the tests below cannot stand in for it.
bool HasVisibleTaskBar() {
    HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
    return tray && IsWindowVisible(tray);
}

// A stand-in task bar for desktops that show none; null when it would not be the one found.
HWND MakeTaskBar(int height) {
    static const bool registered = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "Shell_TrayWnd";
        return RegisterClassA(&wc) != 0;
    }();
    if (!registered) return nullptr;
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    HWND bar = CreateWindowExA(WS_EX_TOOLWINDOW, "Shell_TrayWnd", "", WS_POPUP | WS_VISIBLE, 0, h - height, w, height,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (bar && FindWindowA("Shell_TrayWnd", nullptr) != bar) {
        DestroyWindow(bar);
        return nullptr;
    }
    return bar;
}

TEST_F(FrameProc, SizeLimitsLeaveTheTaskBarFreeOnlyWhenThereIsOne) {
    open();
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    MINMAXINFO info = {};
    info.ptMaxPosition = POINT{7, 8};
    send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 200);
    EXPECT_EQ(info.ptMinTrackSize.y, 150);
    EXPECT_EQ(info.ptMaxTrackSize.x, screenWidth);
    EXPECT_EQ(info.ptMaxTrackSize.y, screenHeight);
    EXPECT_EQ(info.ptMaxPosition.x, 7);
    send(WM_GETMINMAXINFO, 0, 0);  // no structure: nothing to fill, nothing to break

    if (HasVisibleTaskBar()) GTEST_SKIP() << "this desktop shows a task bar of its own";
    record(index_).maximizedFlag = 1;
    send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMaxTrackSize.y, screenHeight);  // no task bar: the whole screen

    HWND taskBar = MakeTaskBar(40);
    if (!taskBar) GTEST_SKIP() << "a stand-in task bar would not be found first";
    send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMaxTrackSize.x, screenWidth);
    EXPECT_EQ(info.ptMaxTrackSize.y, screenHeight - 40);
    DestroyWindow(taskBar);
}

TEST_F(FrameProc, MaximizingOverTheWholeScreenGivesTheTaskBarItsRoom) {
    if (HasVisibleTaskBar()) GTEST_SKIP() << "this desktop shows a task bar of its own";
    open();
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    SetWindowPos(window_, nullptr, 0, 0, screenWidth, screenHeight, SWP_NOZORDER);
    EXPECT_EQ(record(index_).maximizedFlag, 1);
    RECT client = {};
    GetClientRect(window_, &client);
    EXPECT_EQ(client.bottom, screenHeight);

    HWND taskBar = MakeTaskBar(30);
    if (!taskBar) GTEST_SKIP() << "a stand-in task bar would not be found first";
    record(index_).maximizedFlag = 0;
    SetWindowPos(window_, nullptr, 0, 0, 400, 300, SWP_NOZORDER);
    SetWindowPos(window_, nullptr, 0, 0, screenWidth, screenHeight, SWP_NOZORDER);
    EXPECT_EQ(record(index_).maximizedFlag, 1);
    GetClientRect(window_, &client);
    EXPECT_EQ(client.right, screenWidth);
    EXPECT_EQ(client.bottom, screenHeight - 30);
    DestroyWindow(taskBar);
}

TEST_F(FrameProc, SettingANullTextIsAnEmptyTitle) {
    open();
    PumpMessages();
    EXPECT_TRUE(send(WM_SETTEXT, 0, 0));
    EXPECT_EQ(GetWindowTextLengthA(window_), 0);
    const std::string long_title(20000, 'x');
    EXPECT_TRUE(send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(long_title.c_str())));
    EXPECT_EQ(send(WM_DRAWITEM, 0, 0), 0);
}

TEST_F(FrameProc, WindowsWithoutALiveRecordArePassedOn) {
    HWND plain = track(MakeFrameWindow(200, 150, 0));
    EXPECT_TRUE(FrameWindowProc(engine(), plain, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("plain")));
    SetPropInt(plain, kPropListIndex, 5);
    EXPECT_EQ(FrameWindowProc(engine(), plain, WM_ERASEBKGND, 0, 0), 0);  // the default answer, not the skin's 1
    char text[16] = {};
    GetWindowTextA(plain, text, sizeof(text));
    EXPECT_STREQ(text, "plain");
}

TEST_F(FrameProc, DeactivationTrimsInProcessWithoutWritingAnything) {
    open();
    const int before = CompletedWorkingSetTrims();
    send(WM_ACTIVATEAPP, 0, 0);
    for (int i = 0; i < 500 && CompletedWorkingSetTrims() == before; ++i) Sleep(10);
    EXPECT_GT(CompletedWorkingSetTrims(), before);
    char windir[MAX_PATH] = {};
    GetEnvironmentVariableA("windir", windir, MAX_PATH);
    const std::string helper = std::string(windir) + "\\empty.exe";
    EXPECT_EQ(GetFileAttributesA(helper.c_str()), INVALID_FILE_ATTRIBUTES);
    send(WM_ACTIVATEAPP, 1, 0);
}

TEST_F(FrameProc, QuitShutsTheGraphicsLibraryDownOnce) {
    open();
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    ASSERT_EQ(Gdiplus::GdiplusStartup(&token, &input, nullptr), Gdiplus::Ok);
    engine().graphicsToken = token ? token : 1;
    send(WM_QUIT);
    EXPECT_EQ(engine().graphicsToken, 0u);
}

class ColourAnswers : public FrameProc {
protected:
    void SetUp() override {
        FrameProc::SetUp();
        open();
        engine().setOptions(1, 100, std::nullopt);
        label_ = MakeChild(window_, "STATIC", SS_LEFT, 20, 40, 80, 20);
        PumpMessages();
        dc_ = GetDC(label_);
    }
    void TearDown() override {
        ReleaseDC(label_, dc_);
        FrameProc::TearDown();
    }
    HBRUSH ask(UINT message, HWND control) {
        return reinterpret_cast<HBRUSH>(
            send(message, reinterpret_cast<WPARAM>(dc_), reinterpret_cast<LPARAM>(control)));
    }

    HWND label_ = nullptr;
    HDC dc_ = nullptr;
};

TEST_F(ColourAnswers, StaticsGetTheirTextColourAndAPatternBrushThatIsReplaced) {
    SetPropColour(label_, kPropTextColour, 0x0000FF);
    HBRUSH brush = ask(WM_CTLCOLORSTATIC, label_);
    ASSERT_NE(brush, nullptr);
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(GetPropHandle<HBRUSH>(label_, kPropBrush), brush);
    EXPECT_EQ(GetObjectType(GetPropHandle<HGDIOBJ>(label_, kPropBrushBitmap)), static_cast<DWORD>(OBJ_BITMAP));
    EXPECT_EQ(GetTextColor(dc_), 0x0000FFu);
    EXPECT_EQ(GetBkMode(dc_), TRANSPARENT);

    const int live = LiveGdiObjects();
    for (int i = 0; i < 50; ++i) ask(WM_CTLCOLORSTATIC, label_);
    EXPECT_EQ(LiveGdiObjects(), live);

    // The hollow answer takes the pattern brush's bitmap away with it.
    HBRUSH hollow = ask(WM_CTLCOLORBTN, label_);
    EXPECT_EQ(hollow, GetStockObject(NULL_BRUSH));
    EXPECT_EQ(GetPropValue(label_, kPropBrushBitmap), 0u);
    EXPECT_EQ(LiveGdiObjects(), live - 2);
}

TEST_F(ColourAnswers, ABrushIsReusedUntilTheBackgroundTheControlOrTheVeilChanges) {
    HBRUSH first = ask(WM_CTLCOLORSTATIC, label_);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(ask(WM_CTLCOLORSTATIC, label_), first);

    const int live = LiveGdiObjects();
    auto expectReplaced = [&](const char* why) {
        HBRUSH now = ask(WM_CTLCOLORSTATIC, label_);
        EXPECT_NE(now, first) << why;
        EXPECT_EQ(LiveGdiObjects(), live) << why;  // the old pair went with it
        first = now;
    };
    NoteBackgroundChanged(nullptr);
    expectReplaced("background recomposed");
    SetWindowPos(label_, nullptr, 24, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    expectReplaced("moved");
    SetWindowPos(label_, nullptr, 0, 0, 90, 20, SWP_NOMOVE | SWP_NOZORDER);
    expectReplaced("resized");
    engine().setOptions(1, 180, std::nullopt);
    expectReplaced("veil alpha");
}

TEST_F(ColourAnswers, AMissingTextColourReadsAsBlack) {
    SetTextColor(dc_, 0x123456);
    ASSERT_NE(ask(WM_CTLCOLORSTATIC, label_), nullptr);
    EXPECT_EQ(GetTextColor(dc_), 0u);
}

TEST_F(ColourAnswers, ComboEditsOwnerDrawListsAndSwitchedOffAnswersArePassedOn) {
    HWND combo = MakeChild(window_, "COMBOBOX", CBS_DROPDOWN, 120, 40, 100, 120);
    HWND comboEdit = GetWindow(combo, GW_CHILD);
    ASSERT_NE(comboEdit, nullptr);
    ask(WM_CTLCOLOREDIT, comboEdit);
    EXPECT_EQ(GetPropValue(comboEdit, kPropBrush), 0u);

    HWND ownerDrawn = MakeChild(window_, "LISTBOX", LBS_OWNERDRAWFIXED, 120, 80, 100, 60);
    ask(WM_CTLCOLORLISTBOX, ownerDrawn);
    EXPECT_EQ(GetPropValue(ownerDrawn, kPropBrush), 0u);
    HWND list = MakeChild(window_, "LISTBOX", 0, 230, 80, 100, 60);
    EXPECT_EQ(ask(WM_CTLCOLORLISTBOX, list), GetStockObject(NULL_BRUSH));

    SkinTranslucentEdits = 0;
    const uintptr_t held = GetPropValue(label_, kPropBrush);
    ask(WM_CTLCOLORSTATIC, label_);
    EXPECT_EQ(GetPropValue(label_, kPropBrush), held);
}

TEST_F(FrameProc, DestroyingOneOfTwoWindowsRenumbersAndReleasesItsObjects) {
    HWND first = MakeFrameWindow(400, 300, WS_MINIMIZEBOX);
    skinned(first);
    HWND second = MakeFrameWindow(300, 200, 0);
    skinned(second);
    HWND label = MakeChild(second, "STATIC", 0, 10, 40, 50, 20);
    PumpMessages();
    ASSERT_NE(record(1).backgroundDC.get(), nullptr);
    ASSERT_NE(record(2).backgroundDC.get(), nullptr);
    EXPECT_EQ(GetPropInt(second, kPropListIndex), 2);

    const int live = LiveGdiObjects();
    DestroyWindow(first);
    PumpMessages();
    EXPECT_EQ(TheSkinRegistry().count(), 1);
    EXPECT_EQ(record(1).hwnd, second);
    EXPECT_EQ(GetPropInt(second, kPropListIndex), 1);
    EXPECT_EQ(GetPropValue(first, kPropComposedBitmap), 0u);
    // Composed bitmap with its DC and the caption snapshot with its DC.
    EXPECT_LE(LiveGdiObjects(), live - 4);

    // The second window keeps working under its new number; its label's brush goes with it.
    engine().setOptions(1, 100, std::nullopt);
    HDC dc = GetDC(label);
    EXPECT_NE(SendMessageA(second, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)),
              0);
    ReleaseDC(label, dc);
    const int withBrush = LiveGdiObjects();
    DestroyWindow(second);
    PumpMessages();
    EXPECT_EQ(TheSkinRegistry().count(), 0);
    EXPECT_LE(LiveGdiObjects(), withBrush - 6);
}

TEST_F(FrameProc, SkinningComposingAndDestroyingLeavesNoObjectsBehind) {
    auto cycle = [this] {
        HWND window = MakeFrameWindow(400, 300, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
        skinned(window);
        PumpMessages();
        for (int i = 0; i < 3; ++i) {
            SetWindowPos(window, nullptr, 0, 0, 400 + 10 * i, 300, SWP_NOMOVE | SWP_NOZORDER);
            InvalidateRect(window, nullptr, FALSE);
            UpdateWindow(window);
        }
        DestroyWindow(window);
        PumpMessages();
    };
    cycle();
    const int live = LiveGdiObjects();
    const int gx = GxLiveObjects();
    for (int i = 0; i < 5; ++i) cycle();
    EXPECT_EQ(LiveGdiObjects(), live);
    EXPECT_EQ(GxLiveObjects(), gx);
}

}  // namespace
