// Whole windows with every control family, taken over the way the program does it and
// destroyed again, many times over: the registry ends empty and nothing drawn stays alive.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "editor/FormLayout.h"
#include "editor/Startup.h"
#include "skin/core/Properties.h"
#include "skin/core/SkinRegistry.h"
#include "support/AllControlsWindow.h"
#include "editor/EditorForm.h"
#include "support/GdiCount.h"
#include "support/Pump.h"
#include "support/SkinCounts.h"

using namespace testing_support;

namespace {

// `make test` runs a short life: a leak of one object per cycle still shows thirty
// times over. `make soak` asks for the long one through MOBWRIGHT_LIFECYCLE_CYCLES.
constexpr int kShortLife = 30;
int Cycles() {
    const char* asked = std::getenv("MOBWRIGHT_LIFECYCLE_CYCLES");
    const int cycles = asked ? std::atoi(asked) : 0;
    return cycles > 0 ? cycles : kShortLife;
}
// The editor forms come and go a fifth as often as those windows, never fewer than twenty times.
int EditorFormCycles() {
    constexpr int kShortestFormRun = 20;
    return Cycles() / 5 > kShortestFormRun ? Cycles() / 5 : kShortestFormRun;
}
constexpr int kWarmUpCycles = 5;
// Showing composes the whole window picture, the slow part of a cycle; every window is
// taken over, answered and destroyed, and one in so many is also shown and painted.
constexpr int kShownEvery = 40;
constexpr size_t kControlsPerCycle = 4;

class LifeCycle : public ::testing::Test {
protected:
    void SetUp() override { editor::StartProgram(); }
    void TearDown() override {
        PumpMessages();
        editor::ExitProgram();
    }
};

void RedrawEverything(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// What a short session does to a window: a few of its controls (a different few each
// cycle) are hovered, left and asked for their colours, one gets the focus and a check
// box is clicked; a shown window is painted whole first.
void UseBriefly(HWND window, int cycle) {
    if (IsWindowVisible(window)) RedrawEverything(window);
    const std::vector<HWND> controls = AllControlsOf(window);
    const size_t count = controls.size();
    for (size_t k = 0; k < kControlsPerCycle && count; ++k) {
        HWND control = controls[(static_cast<size_t>(cycle) * kControlsPerCycle + k) % count];
        SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        SendMessageA(control, WM_MOUSELEAVE, 0, 0);
        HDC dc = GetDC(control);
        SendMessageA(GetParent(control), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(control));
        ReleaseDC(control, dc);
    }
    SetFocus(AllControlsItem(window, kAllEdit));
    SendMessageA(AllControlsItem(window, kAllCheck), BM_CLICK, 0, 0);
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(600, 10));  // over the caption buttons
    PumpMessages();
}

// Wine's IP address control keeps a font of its own for good when it is destroyed. The
// skin must add nothing to what the bare controls leave, so that is measured first, on
// the same window without the skin.
int SystemLeakPerWindow() {
    constexpr int kRuns = 20;
    auto run = [] {
        AllControlsOptions options;
        options.show = false;
        DestroyWindow(CreateAllControlsWindow(options));
        PumpMessages();
    };
    run();
    const int before = LiveGdiObjects();
    for (int i = 0; i < kRuns; ++i) run();
    const int leaked = LiveGdiObjects() - before;
    EXPECT_EQ(leaked % kRuns, 0) << "the bare controls leave an uneven count";
    return leaked / kRuns;
}

TEST_F(LifeCycle, ManyWindowsWithEveryFamilyLeaveTheRegistryEmptyAndTheCountsFlat) {
    auto cycle = [](int i) {
        AllControlsOptions options;
        options.onCreated = editor::OnFormCreated;
        options.show = i % kShownEvery == 0;
        HWND window = CreateAllControlsWindow(options);
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(skin::TheSkinRegistry().count(), 1) << "cycle " << i;
        UseBriefly(window, i);
        DestroyWindow(window);
        PumpMessages();
        ASSERT_EQ(skin::TheSkinRegistry().count(), 0) << "cycle " << i;
    };
    const int systemLeak = SystemLeakPerWindow();
    for (int i = 0; i < kWarmUpCycles; ++i) cycle(i);
    SkinCounts expected = CountSkinObjects();
    ASSERT_GT(expected.gdi, 0);
    const int cycles = Cycles();
    for (int i = 0; i < cycles; ++i) {
        cycle(i);
        if (HasFatalFailure()) return;
    }
    expected.gdi += cycles * systemLeak;
    EXPECT_EQ(Describe(CountSkinObjects()), Describe(expected));
}

TEST_F(LifeCycle, EditorFormsComeAndGoWithoutLeaving) {
    auto cycle = [](int i) {
        editor::EditorForm::Options options;
        options.onCreated = editor::OnFormCreated;
        options.quitOnDestroy = false;
        options.show = i % kShownEvery == 0;
        HWND form = editor::EditorForm::Create(GetModuleHandleA(nullptr), options);
        ASSERT_NE(form, nullptr);
        SendDlgItemMessageA(form, editor::kIdSkillsSwitch, BM_CLICK, 0, 0);
        SendDlgItemMessageA(form, editor::kIdGenerate, BM_CLICK, 0, 0);
        PumpMessages();
        DestroyWindow(form);
        PumpMessages();
    };
    for (int i = 0; i < kWarmUpCycles; ++i) cycle(i);
    const SkinCounts before = CountSkinObjects();
    const int forms = EditorFormCycles();
    for (int i = 0; i < forms; ++i) cycle(i);
    EXPECT_EQ(Describe(CountSkinObjects()), Describe(before));
    EXPECT_EQ(skin::TheSkinRegistry().count(), 0);
}

// A control destroyed on its own, long before its window, takes the brush and bitmap of
// its latest colour answer along.
class ControlEnd : public LifeCycle {
protected:
    void SetUp() override {
        LifeCycle::SetUp();
        AllControlsOptions options;
        options.onCreated = editor::OnFormCreated;
        window_ = CreateAllControlsWindow(options);
        PumpMessages();
    }
    void TearDown() override {
        if (IsWindow(window_)) DestroyWindow(window_);
        LifeCycle::TearDown();
    }

    // Asks the control's parent for its colours, as the control does before it paints.
    static void AskColours(HWND control, UINT message) {
        HDC dc = GetDC(control);
        SendMessageA(GetParent(control), message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
        ReleaseDC(control, dc);
    }
    static bool HoldsPattern(HWND control) {
        return skin::GetPropValue(control, skin::kPropBrush) != 0 &&
               skin::GetPropValue(control, skin::kPropBrushBitmap) != 0;
    }

    HWND window_ = nullptr;
};

TEST_F(ControlEnd, ControlsOfEveryKindGiveTheirPatternBrushBack) {
    const int ids[] = {kAllLabel,  kAllCheck,  kAllRadioA,       kAllPush, kAllTrackBar,      kAllListBox, kAllProgress,
                       kAllUpDown, kAllHeader, kAllReadOnlyEdit, kAllEdit, kAllDropListCombo, kAllTreeView};
    for (int id : ids) {
        HWND control = AllControlsItem(window_, id);
        ASSERT_NE(control, nullptr) << id;
        AskColours(control, WM_CTLCOLORSTATIC);
        ASSERT_TRUE(HoldsPattern(control)) << id;
        const auto brush = skin::GetPropHandle<HGDIOBJ>(control, skin::kPropBrush);
        const auto bitmap = skin::GetPropHandle<HGDIOBJ>(control, skin::kPropBrushBitmap);
        const int live = LiveGdiObjects();
        DestroyWindow(control);
        // Some controls free objects of their own as well.
        EXPECT_LE(LiveGdiObjects(), live - 2) << "control " << id;
        EXPECT_EQ(GetObjectType(brush), 0u) << "control " << id;
        EXPECT_EQ(GetObjectType(bitmap), 0u) << "control " << id;
    }
    // The window's own end still finds everything in order.
    DestroyWindow(window_);
    PumpMessages();
    EXPECT_EQ(skin::TheSkinRegistry().count(), 0);
}

TEST_F(ControlEnd, AHollowAnswerIsNeverDeleted) {
    HWND push = AllControlsItem(window_, kAllDefaultPush);
    AskColours(push, WM_CTLCOLORSTATIC);
    AskColours(push, WM_CTLCOLORBTN);  // the pattern goes, the stock hollow brush comes
    EXPECT_EQ(skin::GetPropValue(push, skin::kPropBrushBitmap), 0u);
    const int live = LiveGdiObjects();
    DestroyWindow(push);
    EXPECT_EQ(LiveGdiObjects(), live);
    // The stock brush is still the system's and still works.
    HBRUSH hollow = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    LOGBRUSH info = {};
    EXPECT_EQ(GetObjectA(hollow, sizeof(info), &info), static_cast<int>(sizeof(info)));
    EXPECT_EQ(info.lbStyle, static_cast<UINT>(BS_NULL));
}

TEST_F(ControlEnd, AContainerDestroyedOnItsOwnTakesItsChildrensObjectsAlong) {
    HWND group = GetDlgItem(window_, editor::kIdGroupBox);
    AskColours(group, WM_CTLCOLORSTATIC);
    for (int id : {kAllGroupCheck, kAllGroupLabel, kAllGroupEdit})
        AskColours(AllControlsItem(window_, id), WM_CTLCOLORSTATIC);
    int pairs = 0;
    for (HWND w : AllControlsOf(group)) pairs += HoldsPattern(w) ? 1 : 0;
    ASSERT_TRUE(HoldsPattern(group));
    ++pairs;
    const int live = LiveGdiObjects();
    DestroyWindow(group);
    EXPECT_EQ(LiveGdiObjects(), live - 2 * pairs);
}

TEST_F(ControlEnd, AnswersRepeatedManyTimesKeepOnePairPerControl) {
    HWND label = AllControlsItem(window_, kAllLabel);
    AskColours(label, WM_CTLCOLORSTATIC);
    const int live = LiveGdiObjects();
    for (int i = 0; i < 500; ++i) AskColours(label, i % 3 ? WM_CTLCOLORSTATIC : WM_CTLCOLORBTN);
    AskColours(label, WM_CTLCOLORSTATIC);
    EXPECT_EQ(LiveGdiObjects(), live);
}

LONG WINAPI EndOnCrash(EXCEPTION_POINTERS*) {
    TerminateProcess(GetCurrentProcess(), 99);
    return EXCEPTION_EXECUTE_HANDLER;
}

// A program that ends without the exit call, its skinned form still open, leaves the
// engine to the process's end instead of crashing there.
TEST(ProgramEnd, EndingWithoutTheExitCallStillEndsCleanly) {
    EXPECT_EXIT(
        {
            // A crash ends the child at once (with 99) instead of waiting on a debugger.
            SetUnhandledExceptionFilter(EndOnCrash);
            editor::StartProgram();
            editor::EditorForm::Options options;
            options.onCreated = editor::OnFormCreated;
            options.quitOnDestroy = false;
            HWND form = editor::EditorForm::Create(GetModuleHandleA(nullptr), options);
            RedrawWindow(form, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            PumpMessages();
            std::exit(form ? 7 : 1);
        },
        ::testing::ExitedWithCode(7), "");
}

}  // namespace
