// The skinned editor's pixels against pictures taken before any speed work: caching and
// other shortcuts must leave the screen exactly as it was.
#include <gtest/gtest.h>

#include "editor/FormLayout.h"
#include "editor/Startup.h"
#include "support/FormFixture.h"
#include "support/Golden.h"

using namespace editor;
using testing_support::FormWindow;
using testing_support::PumpMessages;

namespace {

class GoldenEditor : public ::testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(1200, 1000);  // keep the pointer off every control
        StartProgram();
    }
    void TearDown() override { ExitProgram(); }

    static void Settle(HWND hwnd) {
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpMessages();
        GdiFlush();
    }
};

#define EXPECT_GOLDEN(capture, name)                                                  \
    do {                                                                              \
        const auto result = testing_support::CompareWithGolden(capture, name, 6, 40); \
        EXPECT_TRUE(result.ok) << result.message;                                     \
    } while (0)

}  // namespace

TEST_F(GoldenEditor, EditorAfterStartUp) {
    FormWindow form(OnFormCreated);
    Settle(form.hwnd());
    EXPECT_GOLDEN(testing_support::CaptureWindow(form.hwnd()), "editor_start");
}

TEST_F(GoldenEditor, EditorInUse) {
    FormWindow form(OnFormCreated);
    form.click(kIdSkillsSwitch);
    form.click(kIdEquipmentSwitch);
    form.setText(kIdMobId, "SkeletonKing");
    form.setText(kIdDisplayName, "骷髅王");
    form.click(kIdGenerate);
    SetFocus(form.item(kIdMobType));
    Settle(form.hwnd());
    // The help button lit after a whole fade-in.
    RECT client;
    GetClientRect(form.hwnd(), &client);
    const LPARAM help = MAKELPARAM(client.right - 40 - 27 * 3 + 10, 8);
    SendMessageA(form.hwnd(), WM_MOUSEHOVER, 0, help);
    SendMessageA(form.hwnd(), WM_MOUSEMOVE, 0, help);
    for (int i = 0; i < 10; ++i) SendMessageA(form.hwnd(), WM_TIMER, reinterpret_cast<WPARAM>(form.hwnd()), 0);
    PumpMessages();
    GdiFlush();
    EXPECT_GOLDEN(testing_support::CaptureWindow(form.hwnd()), "editor_in_use");
}
