// The skinned form from the keyboard: Tab order, keys the form leaves alone, Ctrl+A, Space.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/FormLayout.h"
#include "editor/Startup.h"
#include "skin/engine/FormKeys.h"
#include "support/FormFixture.h"

using namespace editor;
using testing_support::FormWindow;

namespace {

// Pumps the way the program's message loop does, form keys included.
void PumpWithFormKeys() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (skin::HandleFormKeys(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

enum Modifier { kNone, kShift, kControl };

// A key pressed and released on the focused control, with the modifier held meanwhile.
void Press(WPARAM key, Modifier modifier = kNone) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = modifier == kShift ? 0x80 : 0;
    keys[VK_CONTROL] = modifier == kControl ? 0x80 : 0;
    SetKeyboardState(keys);
    const HWND target = GetFocus();
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
    PumpWithFormKeys();
    keys[VK_SHIFT] = keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

// The form control holding the focus: a combo box's field counts as its combo box.
int FocusedId() {
    HWND focus = GetFocus();
    HWND parent = focus ? GetParent(focus) : nullptr;
    char name[16] = {};
    if (parent && GetClassNameA(parent, name, sizeof(name)) && lstrcmpiA(name, "ComboBox") == 0) focus = parent;
    return focus ? GetDlgCtrlID(focus) : 0;
}

class FormKeys : public ::testing::Test {
protected:
    void SetUp() override { StartProgram(); }
    void TearDown() override { ExitProgram(); }
};

const std::vector<int> kReadingOrder = {
    kIdMobId,        kIdMobType,       kIdDisplayName,   kIdHealth,          kIdDamage,   kIdSkill,
    kIdSkillsSwitch, kIdEquipmentItem, kIdEquipmentSlot, kIdEquipmentSwitch, kIdDropItem, kIdDropsSwitch,
    kIdOptionName,   kIdOptionValue,   kIdOptionsSwitch, kIdGenerate,        kIdOutput,
};

}  // namespace

TEST_F(FormKeys, TabAndShiftTabVisitTheVisibleControlsInReadingOrder) {
    FormWindow form(OnFormCreated);
    SetFocus(form.item(kIdMobId));
    std::vector<int> forward = {FocusedId()};
    for (size_t i = 0; i < kReadingOrder.size(); ++i) {
        Press(VK_TAB);
        forward.push_back(FocusedId());
    }
    std::vector<int> expected = kReadingOrder;
    expected.push_back(kIdMobId);  // from the output box on, round to the first field
    EXPECT_EQ(forward, expected);

    std::vector<int> backward = {FocusedId()};
    for (size_t i = 0; i < kReadingOrder.size(); ++i) {
        Press(VK_TAB, kShift);
        backward.push_back(FocusedId());
    }
    std::vector<int> reversed(kReadingOrder.rbegin(), kReadingOrder.rend());
    reversed.insert(reversed.begin(), kIdMobId);
    EXPECT_EQ(backward, reversed);
}

TEST_F(FormKeys, EnterAndEscapeChangeNothingAnywhere) {
    FormWindow form(OnFormCreated);
    form.setText(kIdOutput, "line");
    for (int id : {kIdMobId, kIdOutput, kIdSkillsSwitch, kIdGenerate}) {
        for (WPARAM key : {WPARAM{VK_RETURN}, WPARAM{VK_ESCAPE}}) {
            SetFocus(form.item(id));
            Press(key);
            ASSERT_TRUE(IsWindow(form.hwnd())) << id << " key " << key;
            EXPECT_TRUE(IsWindowVisible(form.hwnd())) << id << " key " << key;
            EXPECT_EQ(FocusedId(), id) << id << " key " << key;
        }
    }
    EXPECT_EQ(form.text(kIdOutput), "line");
    for (int id : {kIdSkillsSwitch, kIdEquipmentSwitch, kIdDropsSwitch, kIdOptionsSwitch})
        EXPECT_EQ(SendMessageA(form.item(id), BM_GETCHECK, 0, 0), BST_UNCHECKED) << id;
    EXPECT_EQ(form.text(kIdMobId), "");
}

TEST_F(FormKeys, ControlASelectsAFieldsWholeText) {
    FormWindow form(OnFormCreated);
    const std::string text = "Mob:\r\n  Health: 20\r\n";
    for (int id : {kIdOutput, kIdMobId}) {
        form.setText(id, text);
        SetFocus(form.item(id));
        SendMessageA(form.item(id), EM_SETSEL, 2, 2);
        Press('A', kControl);
        DWORD from = 1, to = 0;
        SendMessageA(form.item(id), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
        EXPECT_EQ(from, 0u) << id;
        EXPECT_EQ(to, text.size()) << id;
        EXPECT_EQ(form.text(id), text) << id;  // nothing typed
    }
}

TEST_F(FormKeys, SpaceTogglesASwitchAndPressesTheGenerateButton) {
    FormWindow form(OnFormCreated);
    ASSERT_TRUE(form.readOnly(kIdSkill));
    SetFocus(form.item(kIdSkillsSwitch));
    Press(VK_SPACE);
    EXPECT_EQ(SendMessageA(form.item(kIdSkillsSwitch), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_FALSE(form.readOnly(kIdSkill));  // the same rules as a click

    form.setText(kIdMobId, "KeyMob");
    SetFocus(form.item(kIdGenerate));
    Press(VK_SPACE);
    EXPECT_EQ(form.text(kIdOutput).rfind("KeyMob:", 0), 0u) << form.text(kIdOutput);
}
