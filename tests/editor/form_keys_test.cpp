// The skinned form from the keyboard: Tab order, keys the form leaves alone, Ctrl+A, Space.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/FormLayout.h"
#include "editor/Startup.h"
#include "support/FormFixture.h"
#include "support/Keys.h"

using namespace editor;
using testing_support::FormWindow;
using testing_support::Modifier;

using testing_support::FocusedControlId;
using testing_support::PressKey;

namespace {

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
    std::vector<int> forward = {FocusedControlId()};
    for (size_t i = 0; i < kReadingOrder.size(); ++i) {
        PressKey(VK_TAB);
        forward.push_back(FocusedControlId());
    }
    std::vector<int> expected = kReadingOrder;
    expected.push_back(kIdMobId);  // from the output box on, round to the first field
    EXPECT_EQ(forward, expected);

    std::vector<int> backward = {FocusedControlId()};
    for (size_t i = 0; i < kReadingOrder.size(); ++i) {
        PressKey(VK_TAB, Modifier::kShift);
        backward.push_back(FocusedControlId());
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
            PressKey(key);
            ASSERT_TRUE(IsWindow(form.hwnd())) << id << " key " << key;
            EXPECT_TRUE(IsWindowVisible(form.hwnd())) << id << " key " << key;
            EXPECT_EQ(FocusedControlId(), id) << id << " key " << key;
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
        PressKey('A', Modifier::kControl);
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
    PressKey(VK_SPACE);
    EXPECT_EQ(SendMessageA(form.item(kIdSkillsSwitch), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_FALSE(form.readOnly(kIdSkill));  // the same rules as a click

    form.setText(kIdMobId, "KeyMob");
    SetFocus(form.item(kIdGenerate));
    PressKey(VK_SPACE);
    EXPECT_EQ(form.text(kIdOutput).rfind("KeyMob:", 0), 0u) << form.text(kIdOutput);
}
