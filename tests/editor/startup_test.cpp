// The program's start-up order, the form handing itself to the skin, and the exit routine.
#include <gtest/gtest.h>

#include <vector>

#include "editor/FormLayout.h"
#include "editor/Startup.h"
#include "embedded_pictures.h"
#include "skin/core/Properties.h"
#include "skin/core/SkinEngine.h"
#include "skin/core/SkinRegistry.h"
#include "skin/engine/EngineOperations.h"
#include "skin/frame/SubWindowProc.h"
#include "support/FormFixture.h"
#include "support/GdiCount.h"

using namespace editor;
using testing_support::FormWindow;
using testing_support::LiveGdiObjects;
using testing_support::PumpMessages;

namespace {

// The engine settings as they stood when the window was taken over.
struct SettingsAtTakeOver {
    int calls = 0;
    int veilAlpha = 0;
    int translucentEdits = 0;
    COLORREF theme = 0;
    COLORREF back = 0;
    int imageMode = 0;
    size_t pictureSize = 0;
};
SettingsAtTakeOver g_seen;

void RecordingSkinWindow(skin::SkinEngine& engine, const skin::SkinWindowArgs& args) {
    ++g_seen.calls;
    g_seen.veilAlpha = skin::SkinVeilAlpha;
    g_seen.translucentEdits = skin::SkinTranslucentEdits;
    g_seen.theme = skin::SkinThemeColour;
    g_seen.back = skin::SkinBackColour;
    g_seen.imageMode = skin::SkinImageMode;
    g_seen.pictureSize = skin::SkinBackgroundImage.size();
    skin::SkinWindow(engine, args);
}

class Startup : public ::testing::Test {
protected:
    void SetUp() override {
        g_seen = SettingsAtTakeOver{};
        StartProgram();
    }
    void TearDown() override { ExitProgram(); }
};

TEST_F(Startup, EngineIconAndStartValuesComeFirst) {
    skin::SkinEngine* engine = skin::SkinEngine::Current();
    ASSERT_NE(engine, nullptr);
    EXPECT_NE(engine->applicationIcon, nullptr);  // from "DEFAULT_ICON": there is no resource 129
    EXPECT_EQ(skin::SkinVeilAlpha, 160);
    EXPECT_EQ(skin::SkinThemeColour, 0xDDCA22u);
    EXPECT_EQ(skin::SkinControls, 1);
    EXPECT_EQ(skin::SkinControlFrames, 1);
    EXPECT_EQ(skin::SkinFrameFlag, 1);
    EXPECT_EQ(skin::TheSkinRegistry().count(), 0);
}

TEST_F(Startup, TheFormIsSkinnedWithTheEditorsSettingsAndItsGroupBoxRegistered) {
    skin::SkinEngine* engine = skin::SkinEngine::Current();
    ASSERT_NE(engine, nullptr);
    engine->operations.skinWindow = RecordingSkinWindow;
    FormWindow form(OnFormCreated);
    ASSERT_NE(form.hwnd(), nullptr);

    EXPECT_EQ(g_seen.calls, 1);
    EXPECT_EQ(g_seen.veilAlpha, 100);
    EXPECT_EQ(g_seen.translucentEdits, 1);
    EXPECT_EQ(g_seen.theme, 0xC0C0C0u);
    EXPECT_EQ(g_seen.back, 0u);
    EXPECT_EQ(g_seen.imageMode, 3);
    EXPECT_EQ(g_seen.pictureSize, static_cast<size_t>(kBackgroundSize));

    const int index = skin::FindSkinnedWindow(form.hwnd());
    skin::SkinnedWindow* record = skin::GetSkinnedWindow(index);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->titleHeight, 25);
    EXPECT_EQ(record->captionButtons.count(), 4);  // help, main menu, minimize, close
    EXPECT_EQ(record->buttonsWidth, 3 * 26 + 38 + 3 + 3);
    EXPECT_NE(record->backgroundDC.get(), nullptr);  // composed when it was shown

    HWND groupBox = form.item(kIdGroupBox);
    const int entry = skin::FindSubWindow(index, groupBox);
    ASSERT_EQ(entry, 1);
    const skin::SubWindowEntry* sub = record->subWindows.at(entry);
    EXPECT_EQ(sub->groupFrame, 1);
    EXPECT_EQ(sub->selfPainted, 1);
    EXPECT_EQ(sub->veilAlpha, 0);
    EXPECT_EQ(sub->veilColour, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(GetWindowLongPtrA(groupBox, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&skin::SubWindowProc));
    EXPECT_EQ(skin::GetPropInt(groupBox, skin::kPropOwnerIndex), index);
    EXPECT_EQ(skin::GetPropInt(groupBox, skin::kPropListIndex), entry);

    // Asking again changes nothing.
    EXPECT_EQ(engine->addSubWindow(groupBox, 1, 0, 0, std::nullopt), entry);
    EXPECT_EQ(record->subWindows.count(), 1);
    const LONG_PTR procedure = GetWindowLongPtrA(form.hwnd(), GWLP_WNDPROC);
    OnFormCreated(form.hwnd());
    EXPECT_EQ(skin::TheSkinRegistry().count(), 1);
    EXPECT_EQ(GetWindowLongPtrA(form.hwnd(), GWLP_WNDPROC), procedure);
    EXPECT_EQ(record->subWindows.count(), 1);
}

TEST_F(Startup, SubWindowsNeedARegisteredAncestor) {
    skin::SkinEngine* engine = skin::SkinEngine::Current();
    FormWindow plain;
    HWND groupBox = plain.item(kIdGroupBox);
    const LONG_PTR procedure = GetWindowLongPtrA(groupBox, GWLP_WNDPROC);
    EXPECT_EQ(engine->addSubWindow(groupBox, 1, 0, 0, std::nullopt), 0);
    EXPECT_EQ(GetWindowLongPtrA(groupBox, GWLP_WNDPROC), procedure);
    EXPECT_EQ(skin::GetPropValue(groupBox, skin::kPropPreviousProc), 0u);
}

TEST_F(Startup, LabelsAndSwitchesKeepTheirTextColoursOnceSkinned) {
    FormWindow form(OnFormCreated);
    int count = 0;
    const ControlSpec* specs = FormControls(&count);
    int checked = 0;
    for (int i = 0; i < count; ++i) {
        const ControlSpec& layout = specs[i];
        if (layout.kind != ControlKind::Label && layout.kind != ControlKind::NoteLabel) continue;
        HWND label = form.item(layout.id);
        HDC dc = GetDC(label);
        SetTextColor(dc, 0x00ABCDEF);
        const LRESULT brush =
            SendMessageA(form.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
        EXPECT_NE(brush, 0) << layout.name;
        EXPECT_EQ(GetTextColor(dc), layout.textColour) << layout.name;
        EXPECT_EQ(GetBkMode(dc), TRANSPARENT) << layout.name;
        ReleaseDC(label, dc);
        ++checked;
    }
    EXPECT_GE(checked, 10);
    HWND note = form.item(kIdNote);
    HDC dc = GetDC(note);
    SendMessageA(form.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(note));
    EXPECT_EQ(GetTextColor(dc), kRed);
    ReleaseDC(note, dc);
}

TEST_F(Startup, ClosingTheWindowRemovesItsRecord) {
    {
        FormWindow form(OnFormCreated);
        EXPECT_EQ(skin::TheSkinRegistry().count(), 1);
    }
    EXPECT_EQ(skin::TheSkinRegistry().count(), 0);
}

TEST(StartupExit, RunsOnceFreesEverythingAndAllowsAFreshStart) {
    auto session = [] {
        StartProgram();
        {
            FormWindow form(OnFormCreated);
            PumpMessages();
            // A quit that reaches the frame procedure shuts the library down itself...
            SendMessageA(form.hwnd(), WM_QUIT, 0, 0);
            EXPECT_EQ(skin::SkinEngine::Current()->graphicsToken, 0u);
        }
        // ...and the exit routine does not do it again.
        ExitProgram();
        ExitProgram();
        EXPECT_EQ(skin::SkinEngine::Current(), nullptr);
        EXPECT_TRUE(skin::SkinBackgroundImage.empty());
        EXPECT_EQ(skin::TheSkinRegistry().count(), 0);
    };
    session();
    const int live = LiveGdiObjects();
    session();
    session();
    EXPECT_EQ(LiveGdiObjects(), live);
}

TEST(StartupExit, WindowsStillOpenAtExitGiveTheirObjectsBack) {
    StartProgram();
    FormWindow form(OnFormCreated);
    PumpMessages();
    const int live = LiveGdiObjects();
    ExitProgram();
    EXPECT_EQ(skin::TheSkinRegistry().count(), 0);
    EXPECT_LE(LiveGdiObjects(), live - 4);
    // The window lives on unskinned and closes normally.
    SetWindowTextA(form.hwnd(), "after exit");
}

}  // namespace
