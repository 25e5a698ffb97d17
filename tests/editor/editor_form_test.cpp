#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "editor/FormLayout.h"
#include "editor/Startup.h"
#include "support/FormFixture.h"

using namespace editor;
using testing_support::FormWindow;

namespace {

std::string ClassOf(HWND h) {
    char name[64] = {};
    GetClassNameA(h, name, sizeof(name));
    return name;
}

const char* ExpectedClass(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
        case ControlKind::NoteLabel:
            return "Static";
        case ControlKind::Edit:
        case ControlKind::OutputBox:
        case ControlKind::StagingBox:
            return "Edit";
        case ControlKind::Combo:
            return "ComboBox";
        default:
            return "Button";
    }
}

const int kSwitches[] = {kIdSkillsSwitch, kIdEquipmentSwitch, kIdDropsSwitch, kIdOptionsSwitch};

}  // namespace

TEST(EditorForm, HandlerRunsOnceWithEveryControlInPlaceBeforeFirstShow) {
    int calls = 0;
    bool allThere = true;
    bool visibleAtHandler = true;
    FormWindow form([&](HWND hwnd) {
        ++calls;
        visibleAtHandler = IsWindowVisible(hwnd) != FALSE;
        int count = 0;
        const ControlSpec* specs = FormControls(&count);
        for (int i = 0; i < count; ++i) allThere = allThere && GetDlgItem(hwnd, specs[i].id) != nullptr;
    });
    ASSERT_TRUE(form.hwnd());
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(allThere);
    EXPECT_FALSE(visibleAtHandler);
}

TEST(EditorForm, WindowIsAnUnframed825By405PopupAt50) {
    FormWindow form;
    RECT w, c;
    GetWindowRect(form.hwnd(), &w);
    GetClientRect(form.hwnd(), &c);
    EXPECT_EQ(w.left, 50);
    EXPECT_EQ(w.top, 50);
    EXPECT_EQ(c.right, 825);
    EXPECT_EQ(c.bottom, 405);
    EXPECT_EQ(w.right - w.left, 825);
    char caption[64] = {};
    GetWindowTextA(form.hwnd(), caption, sizeof(caption));
    EXPECT_STREQ(caption, "MC - Mobwright - Veltrane");
    EXPECT_TRUE(GetWindowLongA(form.hwnd(), GWL_STYLE) & WS_MINIMIZEBOX);
}

TEST(EditorForm, EveryControlHasItsClassRectangleTextAndState) {
    FormWindow form;
    int count = 0;
    const ControlSpec* specs = FormControls(&count);
    ASSERT_EQ(count, 32);
    for (int i = 0; i < count; ++i) {
        const ControlSpec& c = specs[i];
        SCOPED_TRACE(c.name);
        HWND h = form.item(c.id);
        ASSERT_TRUE(h);
        EXPECT_EQ(ClassOf(h), ExpectedClass(c.kind));
        RECT r;
        GetWindowRect(h, &r);
        MapWindowPoints(nullptr, form.hwnd(), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, c.x);
        EXPECT_EQ(r.top, c.y);
        EXPECT_EQ(r.right - r.left, c.width);
        EXPECT_EQ(r.bottom - r.top, c.height);
        EXPECT_EQ(form.text(c.id), c.text);
        const bool hidden = c.kind == ControlKind::StagingBox || c.kind == ControlKind::GroupBox;
        EXPECT_EQ(IsWindowVisible(h) != FALSE, !hidden);
        if (c.kind == ControlKind::Edit) {
            EXPECT_EQ(form.readOnly(c.id), c.readOnlyAtStart);
        }
    }
    HWND combo = form.item(kIdEquipmentSlot);
    ASSERT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 6);
    const char* items[] = {"", "0", "1", "2", "3", "4"};
    for (int i = 0; i < 6; ++i) {
        char buf[8] = {};
        SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buf));
        EXPECT_STREQ(buf, items[i]);
    }
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(GetWindowLongA(combo, GWL_STYLE) & 3, CBS_DROPDOWN);
}

TEST(EditorForm, LabelsAndSwitchesCarryTheirTextColour) {
    FormWindow form;
    auto colourOf = [&](int id) {
        return static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(GetPropA(form.item(id), "Kj_Ztys")));
    };
    EXPECT_EQ(colourOf(kIdLabelId), kBlue);
    EXPECT_EQ(colourOf(kIdLabelOption), kBlue);
    EXPECT_EQ(colourOf(kIdNote), kRed);
    EXPECT_EQ(colourOf(kIdSkillsSwitch), kBlue);
    EXPECT_EQ(GetPropA(form.item(kIdMobId), "Kj_Ztys"), nullptr);
}

TEST(EditorForm, SwitchesFlipCaptionAndEditability) {
    FormWindow form;
    for (int id : kSwitches) {
        SCOPED_TRACE(id);
        EXPECT_EQ(form.text(id), "关闭");
        form.click(id);
        EXPECT_EQ(IsDlgButtonChecked(form.hwnd(), id), BST_CHECKED);
        EXPECT_EQ(form.text(id), "开启");
    }
    EXPECT_FALSE(form.readOnly(kIdSkill));
    EXPECT_FALSE(form.readOnly(kIdEquipmentItem));
    EXPECT_FALSE(form.readOnly(kIdDropItem));
    EXPECT_FALSE(form.readOnly(kIdOptionName));
    EXPECT_FALSE(form.readOnly(kIdOptionValue));
    for (int id : kSwitches) form.click(id);
    for (int id : kSwitches) EXPECT_EQ(form.text(id), "关闭");
    EXPECT_TRUE(form.readOnly(kIdSkill));
    EXPECT_TRUE(form.readOnly(kIdOptionName));
    EXPECT_TRUE(form.readOnly(kIdOptionValue));
}

TEST(EditorForm, TypedTextIsLostAfterOffAndOnButTheSlotStays) {
    FormWindow form;
    form.click(kIdOptionsSwitch);
    form.click(kIdEquipmentSwitch);
    form.setText(kIdOptionName, "Speed");
    form.setText(kIdOptionValue, "2");
    form.setText(kIdEquipmentItem, "Helmet");
    form.setText(kIdEquipmentSlot, "3");
    form.click(kIdOptionsSwitch);
    form.click(kIdEquipmentSwitch);
    EXPECT_EQ(form.text(kIdOptionName), "");
    EXPECT_EQ(form.text(kIdOptionValue), "");
    EXPECT_EQ(form.text(kIdEquipmentItem), "");
    EXPECT_EQ(form.text(kIdEquipmentSlot), "3");
    form.click(kIdOptionsSwitch);
    EXPECT_EQ(form.text(kIdOptionName), "");
    EXPECT_FALSE(form.readOnly(kIdOptionName));
}

TEST(EditorForm, GenerateWritesTheTextAndTheStagingBoxes) {
    FormWindow form;
    for (int id : kSwitches) form.click(id);
    form.setText(kIdMobId, "Zombie1");
    form.setText(kIdMobType, "ZOMBIE");
    form.setText(kIdDisplayName, "僵尸\"王\"");
    form.setText(kIdHealth, "40");
    form.setText(kIdDamage, "6");
    form.setText(kIdSkill, "Leap");
    form.setText(kIdEquipmentItem, "Crown");
    form.setText(kIdEquipmentSlot, "4");
    form.setText(kIdDropItem, "gold 1");
    form.setText(kIdOptionName, "Silent");
    form.setText(kIdOptionValue, "true");
    form.setText(kIdOutput, "old text that must go");
    const std::string expected =
        "Zombie1:\r\n  Mobtype: ZOMBIE\r\n  Display: \"僵尸\"王\"\"\r\n  Health: 40\r\n  Damage: 6\r\n"
        "  Skills: \r\n  - Leap\r\n  Equipment: \r\n  - Crown:4\r\n  Drops: \r\n  - gold 1\r\n"
        "  Options: \r\n    Silent: true\r\n";
    form.click(kIdGenerate);
    EXPECT_EQ(form.text(kIdOutput), expected);
    form.click(kIdGenerate);
    EXPECT_EQ(form.text(kIdOutput), expected);
    EXPECT_EQ(form.text(kIdStageSkills), "  Skills: \r\n  - Leap");
    EXPECT_EQ(form.text(kIdStageEquipment), "  Equipment: \r\n  - Crown:4");
    EXPECT_EQ(form.text(kIdStageDrops), "  Drops: \r\n  - gold 1");
    EXPECT_EQ(form.text(kIdStageOptions), "  Options: \r\n    Silent: true");
    EXPECT_FALSE(IsWindowVisible(form.item(kIdStageSkills)));
}

TEST(EditorForm, OffSectionsLeaveTheirStagingBoxAlone) {
    FormWindow form;
    form.setText(kIdStageDrops, "kept");
    form.click(kIdGenerate);
    EXPECT_EQ(form.text(kIdOutput), ":\r\n  Mobtype: \r\n  Display: \"\"\r\n  Health: \r\n  Damage: \r\n");
    EXPECT_EQ(form.text(kIdStageDrops), "kept");
}

TEST(EditorForm, LongFieldsAreReadWholeAndGenerated) {
    FormWindow form;
    form.click(kIdSkillsSwitch);
    // A megabyte is read back whole from a field...
    const std::string big(1 << 20, 'm');
    form.setText(kIdSkill, big);
    EXPECT_EQ(MobTextBuilder(form.hwnd()).read().skill, big);
    // ...and a long text makes it through the output box. (Wine's multi-line edit
    // re-wraps in quadratic time, so the window round trip uses a smaller size.)
    const std::string longText(20000, 'w');
    form.setText(kIdSkill, longText);
    form.setText(kIdMobId, longText);
    form.click(kIdGenerate);
    const std::string out = form.text(kIdOutput);
    EXPECT_EQ(out, longText + ":\r\n  Mobtype: \r\n  Display: \"\"\r\n  Health: \r\n  Damage: \r\n  Skills: \r\n  - " +
                       longText + "\r\n");
}

TEST(EditorForm, FieldsAreReadBackByteForByteWhateverTheirText) {
    FormWindow form;
    // ASCII, double-byte GBK, and ASCII with a double-byte character where a buffer sized
    // by characters would cut it off; in a single-line edit, the slot box and the output box.
    const std::string texts[] = {"SkeletonKing", "骷髅王",          "aaaa骷", "骷aaaa", std::string(5000, 'a') + "王",
                                 "line\r\nnext", "line\r\nnext 王", ""};
    for (int id : {kIdMobId, kIdEquipmentSlot, kIdOutput})
        for (const std::string& text : texts) {
            form.setText(id, text);
            EXPECT_EQ(form.text(id), text) << id;
        }
}

// Unskinned and skinned (where the combo's edit and every field carry the skin's procedure).
TEST(EditorForm, TextReadInPlaceMatchesTheFieldsReadOneByOne) {
    StartProgram();
    for (bool skinned : {false, true}) {
        FormWindow form(skinned ? EditorForm::CreatedHandler(OnFormCreated) : EditorForm::CreatedHandler());
        const int fields[] = {kIdMobId,    kIdMobType,    kIdDisplayName,   kIdHealth,
                              kIdDamage,   kIdSkill,      kIdEquipmentItem, kIdEquipmentSlot,
                              kIdDropItem, kIdOptionName, kIdOptionValue};
        const std::string big(300000, 'b');
        // Every field gets text i of its case (wrapping round); the switches follow the mask.
        const struct {
            std::vector<std::string> texts;
            unsigned switches;
        } cases[] = {
            {{""}, 0},
            {{""}, 0xF},
            {{"SkeletonKing", "WITHER_SKELETON", "骷髅王", "500", "12"}, 0xF},
            // A double-byte field ahead of long ASCII ones is read again and put in its place.
            {{"aaaa骷", big, "骷aaaa", big + "王", "\"quoted\""}, 0xF},
            {{big, "王"}, 0x5},
            {{"x"}, 0xA},
        };
        for (const auto& c : cases) {
            for (size_t i = 0; i < std::size(fields); ++i) form.setText(fields[i], c.texts[i % c.texts.size()]);
            for (int bit = 0; bit < 4; ++bit) {
                const bool on = (c.switches >> bit & 1) != 0;
                if ((IsDlgButtonChecked(form.hwnd(), kSwitches[bit]) == BST_CHECKED) != on) form.click(kSwitches[bit]);
            }
            // A switch turned off empties its fields; fill them again.
            for (size_t i = 0; i < std::size(fields); ++i) form.setText(fields[i], c.texts[i % c.texts.size()]);
            const MobTextBuilder builder(form.hwnd());
            const MobText expected = MobTextBuilder::compose(builder.read());
            const MobText read = builder.readText();
            EXPECT_EQ(read.full, expected.full) << c.switches << " skinned " << skinned;
            EXPECT_EQ(read.header(), expected.header());
            EXPECT_EQ(read.skills(), expected.skills());
            EXPECT_EQ(read.equipment(), expected.equipment());
            EXPECT_EQ(read.drops(), expected.drops());
            EXPECT_EQ(read.options(), expected.options());
        }
    }
    ExitProgram();
}
