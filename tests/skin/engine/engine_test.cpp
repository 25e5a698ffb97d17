#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "support/TestWindows.h"
#include "skin/core/Properties.h"
#include "skin/core/SkinEngine.h"
#include "skin/core/SkinRegistry.h"
#include "skin/engine/EngineOperations.h"

using namespace skin;
using testing_support::MakeTopLevel;
using testing_support::TestWindow;

namespace {

class Engine : public ::testing::Test {
protected:
    void SetUp() override {
        FreeSkinRegistry();
        ResetSkinSettings();
    }
    void TearDown() override {
        FreeSkinRegistry();
        ResetSkinSettings();
    }
};

HICON MakeIcon() {
    BYTE andMask[32 * 4] = {};
    BYTE xorMask[32 * 4] = {};
    return CreateIcon(GetModuleHandleA(nullptr), 32, 32, 1, 1, andMask, xorMask);
}

bool IconAlive(HICON icon) {
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info)) return false;
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    return true;
}

TEST_F(Engine, ConstructionHandsOutTheActionAddressAndTheButtonFaceColour) {
    SkinBackColour = 0x123456;
    SkinEngine engine{DefaultOperations()};
    EXPECT_NE(engine.actionTrampolineAddress, 0u);
    EXPECT_EQ(SkinBackColour, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(engine.backColour(), SkinBackColour);
    EXPECT_EQ(SkinEngine::Current(), &engine);
}

TEST_F(Engine, DestructionReleasesTheIcon) {
    HICON icon = MakeIcon();
    ASSERT_TRUE(IconAlive(icon));
    {
        SkinEngine engine{DefaultOperations()};
        engine.applicationIcon = icon;
    }
    EXPECT_FALSE(IconAlive(icon));
    EXPECT_EQ(SkinEngine::Current(), nullptr);
}

TEST_F(Engine, CopyKeepsTheSettingsAndOwnsOnlyWhatItMadeItself) {
    auto engine = std::make_unique<SkinEngine>(DefaultOperations());
    engine->applicationIcon = MakeIcon();
    engine->frameBorder = 3;
    engine->pointedCaptionButton = 2;
    SkinBackColour = 0x00405060;
    SkinVeilAlpha = 100;

    std::unique_ptr<SkinEngine> copy = engine->copy();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->frameBorder, 3);
    EXPECT_EQ(copy->pointedCaptionButton, 2);
    EXPECT_EQ(copy->actionTrampolineAddress, engine->actionTrampolineAddress);
    EXPECT_EQ(std::memcmp(&copy->operations, &engine->operations, sizeof(OperationTable)), 0);
    // Copying is not constructing afresh: the settings the first engine was given stay.
    EXPECT_EQ(SkinBackColour, 0x00405060u);
    EXPECT_EQ(SkinVeilAlpha, 100);
    EXPECT_EQ(copy->graphicsToken, 0u);

    // Each engine destroys its own icon, so the copy's survives the original.
    HICON copyIcon = copy->applicationIcon;
    ASSERT_NE(copyIcon, nullptr);
    EXPECT_NE(copyIcon, engine->applicationIcon);
    engine.reset();
    EXPECT_TRUE(IconAlive(copyIcon));
    copy.reset();
    EXPECT_FALSE(IconAlive(copyIcon));
}

TEST_F(Engine, SetOptionsSwitchesTranslucencyOnOnlyWithAGivenAlpha) {
    SkinEngine engine{DefaultOperations()};
    engine.setOptions(1, 100, std::nullopt);
    EXPECT_EQ(SkinControls, 1);
    EXPECT_EQ(SkinVeilAlpha, 100);
    EXPECT_EQ(SkinTranslucentEdits, 1);
    EXPECT_EQ(SkinControlFrames, 1);

    engine.setOptions(0, std::nullopt, 0);
    EXPECT_EQ(SkinControls, 0);
    EXPECT_EQ(SkinVeilAlpha, 160);
    EXPECT_EQ(SkinTranslucentEdits, 0);
    EXPECT_EQ(SkinControlFrames, 0);
}

TEST_F(Engine, CallbacksAreStoredOnlyForTakenOverWindows) {
    SkinEngine engine{DefaultOperations()};
    TestWindow top(MakeTopLevel());
    TestWindow stranger(MakeTopLevel());
    auto record = std::make_unique<SkinnedWindow>();
    record->hwnd = top.get();
    SkinnedWindow* stored = record.get();
    AppendSkinnedWindow(std::move(record));
    engine.setHelpCallback(top.get(), DefWindowProcA);
    engine.setMenuCallback(stranger.get(), DefWindowProcA);
    EXPECT_EQ(stored->helpCallback, &DefWindowProcA);
    EXPECT_EQ(stored->menuCallback, nullptr);

    engine.setStripItems(1, 3, std::vector<StripItem>{{1, 2, 3, 4}});
    ASSERT_EQ(stored->stripItems.count(), 3);
    EXPECT_EQ(stored->stripItems.at(1)->width, 3);
    EXPECT_EQ(stored->stripItems.at(3)->width, 0);
    engine.setStripItems(9, 3, std::nullopt);
}

// --- Routing -------------------------------------------------------------------------

struct Seen {
    SkinEngine* engine = nullptr;
    HWND window = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    int calls = 0;
};
Seen g_frame;
Seen g_original;
int g_actionIndex = 0;
int g_actionButton = 0;

LRESULT RecordingFrameProc(SkinEngine& engine, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER + 7) g_frame = {&engine, window, message, wParam, lParam, g_frame.calls + 1};
    return message == WM_USER + 7 ? 42 : CallPreviousProc(window, message, wParam, lParam);
}

void RecordingAction(SkinEngine& engine, int index, int button) {
    g_frame.engine = &engine;
    g_actionIndex = index;
    g_actionButton = button;
}

LRESULT CALLBACK OriginalProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER + 7) {
        g_original = {nullptr, window, message, wParam, lParam, g_original.calls + 1};
        return 99;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A window whose own procedure is OriginalProc, taken over the way the engine does it.
HWND MakeTakenOverWindow() {
    WNDCLASSA cls = {};
    cls.lpfnWndProc = OriginalProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "CoreRoutingTest";
    RegisterClassA(&cls);
    HWND window = CreateWindowExA(0, "CoreRoutingTest", "routed", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    LONG_PTR previous = SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EngineWindowProc));
    SetPropValue(window, kPropPreviousProc, static_cast<uintptr_t>(previous));
    return window;
}

TEST_F(Engine, MessagesOfATakenOverWindowReachSlotTwoUnchanged) {
    SkinEngine engine{DefaultOperations()};
    engine.operations.frameWindowProc = RecordingFrameProc;
    TestWindow window(MakeTakenOverWindow());
    g_frame = {};
    EXPECT_EQ(SendMessageA(window.get(), WM_USER + 7, 0x1234, 0x7654321), 42);
    EXPECT_EQ(g_frame.calls, 1);
    EXPECT_EQ(g_frame.engine, &engine);
    EXPECT_EQ(g_frame.window, window.get());
    EXPECT_EQ(g_frame.wParam, 0x1234u);
    EXPECT_EQ(g_frame.lParam, 0x7654321);
}

TEST_F(Engine, UnansweredMessagesReachTheReplacedProcedure) {
    TestWindow window(MakeTakenOverWindow());
    g_original = {};
    {
        SkinEngine engine{DefaultOperations()};
        EXPECT_EQ(SendMessageA(window.get(), WM_USER + 7, 5, 6), 99);
    }
    // With no engine alive the window still works.
    EXPECT_EQ(SendMessageA(window.get(), WM_USER + 7, 7, 8), 99);
    EXPECT_EQ(g_original.calls, 2);
    EXPECT_EQ(g_original.wParam, 7u);
    EXPECT_EQ(g_original.lParam, 8);
}

TEST_F(Engine, TheActionAddressCallsSlotThreeWithIndexAndButton) {
    SkinEngine engine{DefaultOperations()};
    engine.operations.captionButtonAction = RecordingAction;
    g_frame = {};
    auto action = reinterpret_cast<CaptionActionProc>(engine.actionTrampolineAddress);
    action(2, 5);
    EXPECT_EQ(g_frame.engine, &engine);
    EXPECT_EQ(g_actionIndex, 2);
    EXPECT_EQ(g_actionButton, 5);
}

TEST_F(Engine, TheOldestLiveEngineIsTheOneReached) {
    auto first = std::make_unique<SkinEngine>(DefaultOperations());
    SkinEngine second{DefaultOperations()};
    second.operations.captionButtonAction = RecordingAction;
    first->operations.captionButtonAction = RecordingAction;
    auto action = reinterpret_cast<CaptionActionProc>(second.actionTrampolineAddress);
    action(1, 1);
    EXPECT_EQ(g_frame.engine, first.get());
    first.reset();
    action(1, 2);
    EXPECT_EQ(g_frame.engine, &second);
}

}  // namespace
