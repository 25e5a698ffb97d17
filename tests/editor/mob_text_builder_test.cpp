#include <gtest/gtest.h>

#include <string>

#include "editor/MobTextBuilder.h"

using editor::MobDefinition;
using editor::MobTextBuilder;

namespace {

const std::string kEmptyHeader = ":\r\n  Mobtype: \r\n  Display: \"\"\r\n  Health: \r\n  Damage: \r\n";

MobDefinition RealMob() {
    MobDefinition m;
    m.id = "SkeletonKing";
    m.mobType = "WITHER_SKELETON";
    m.displayName = "骷髅王";
    m.health = "500";
    m.damage = "12";
    m.skillsEnabled = true;
    m.skill = "skill{s=Smash} @target ~onTimer:100";
    m.equipmentEnabled = true;
    m.equipmentItem = "KingCrown";
    m.equipmentSlot = "4";
    m.dropsEnabled = true;
    m.dropItem = "diamond 1 0.5";
    m.optionsEnabled = true;
    m.optionName = "MovementSpeed";
    m.optionValue = "0.3";
    return m;
}

}  // namespace

TEST(MobTextBuilder, EverythingEmptyAndOffIsTheBareHeader) {
    EXPECT_EQ(MobTextBuilder::compose(MobDefinition{}).full, kEmptyHeader);
}

TEST(MobTextBuilder, EverythingOnGivesThirteenLinesInSectionOrder) {
    const std::string text = MobTextBuilder::compose(RealMob()).full;
    EXPECT_EQ(text,
              "SkeletonKing:\r\n"
              "  Mobtype: WITHER_SKELETON\r\n"
              "  Display: \"骷髅王\"\r\n"
              "  Health: 500\r\n"
              "  Damage: 12\r\n"
              "  Skills: \r\n"
              "  - skill{s=Smash} @target ~onTimer:100\r\n"
              "  Equipment: \r\n"
              "  - KingCrown:4\r\n"
              "  Drops: \r\n"
              "  - diamond 1 0.5\r\n"
              "  Options: \r\n"
              "    MovementSpeed: 0.3\r\n");
}

TEST(MobTextBuilder, EachSwitchAloneWithEmptyFieldStillEmitsItsSection) {
    struct Case {
        bool MobDefinition::*flag;
        const char* tail;
    } cases[] = {
        {&MobDefinition::skillsEnabled, "  Skills: \r\n  - \r\n"},
        {&MobDefinition::equipmentEnabled, "  Equipment: \r\n  - :\r\n"},
        {&MobDefinition::dropsEnabled, "  Drops: \r\n  - \r\n"},
        {&MobDefinition::optionsEnabled, "  Options: \r\n    : \r\n"},
    };
    for (const Case& c : cases) {
        MobDefinition m;
        m.*(c.flag) = true;
        EXPECT_EQ(MobTextBuilder::compose(m).full, kEmptyHeader + c.tail) << c.tail;
    }
}

TEST(MobTextBuilder, EquipmentSlotAndItemJoinWithABareColon) {
    MobDefinition m;
    m.equipmentEnabled = true;
    m.equipmentItem = "IronHelmet";
    EXPECT_EQ(MobTextBuilder::compose(m).equipment(), "  Equipment: \r\n  - IronHelmet:");
    m.equipmentItem.clear();
    m.equipmentSlot = "4";
    EXPECT_EQ(MobTextBuilder::compose(m).equipment(), "  Equipment: \r\n  - :4");
}

TEST(MobTextBuilder, SwitchesAreIndependentAndKeepTheirOrder) {
    MobDefinition m;
    m.equipmentEnabled = true;
    m.equipmentItem = "A";
    m.equipmentSlot = "1";
    m.optionsEnabled = true;
    m.optionName = "B";
    m.optionValue = "C";
    EXPECT_EQ(MobTextBuilder::compose(m).full,
              kEmptyHeader + "  Equipment: \r\n  - A:1\r\n  Options: \r\n    B: C\r\n");
}

TEST(MobTextBuilder, QuotesAndGbkBytesPassThroughUnchanged) {
    MobDefinition m;
    m.displayName = "say \"hi\" 僵尸";
    m.id = "\xB9\xD6\xCE\xEF";  // GBK bytes, taken as they are
    const std::string text = MobTextBuilder::compose(m).full;
    EXPECT_EQ(text.substr(0, 6), "\xB9\xD6\xCE\xEF:\r");
    EXPECT_NE(text.find("Display: \"say \"hi\" 僵尸\"\r\n"), std::string::npos);
}

TEST(MobTextBuilder, MegabyteFieldsAreCopiedWhole) {
    MobDefinition m = RealMob();
    m.skill.assign(1 << 20, 'x');
    const std::string text = MobTextBuilder::compose(m).full;
    EXPECT_NE(text.find("  - " + m.skill + "\r\n  Equipment: "), std::string::npos);
    EXPECT_EQ(MobTextBuilder::compose(m).full, text);
}
