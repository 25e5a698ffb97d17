#include "editor/FormLayout.h"

#include "skin/draw/Colour.h"

namespace editor {
namespace {

constexpr const char* kNoteText =
    "怪物的 技能 装备 掉落 属性,多选,此版本暂无开启\r\n预计会在下个版本进行更新！下个版本会出多选版";

using K = ControlKind;
using skin::kBlack;
const ControlSpec kControls[] = {
    {"透明标签1", K::Label, kIdLabelId, 50, 40, 64, 24, "怪物ID：", kBlue, false},
    {"编辑框1", K::Edit, kIdMobId, 96, 40, 224, 27, "", kBlue, false},
    {"透明标签2", K::Label, kIdLabelType, 39, 72, 64, 24, "怪物种类：", kBlue, false},
    {"编辑框2", K::Edit, kIdMobType, 96, 72, 224, 27, "", kBlue, false},
    {"透明标签3", K::Label, kIdLabelName, 39, 104, 64, 24, "怪物名字：", kBlue, false},
    {"编辑框3", K::Edit, kIdDisplayName, 96, 104, 224, 27, "", kBlue, false},
    {"透明标签4", K::Label, kIdLabelHealth, 40, 136, 64, 24, "怪物血量：", kBlue, false},
    {"编辑框4", K::Edit, kIdHealth, 97, 136, 224, 27, "", kBlue, false},
    {"透明标签5", K::Label, kIdLabelDamage, 28, 168, 64, 24, "怪物攻击力：", kBlue, false},
    {"编辑框5", K::Edit, kIdDamage, 97, 168, 224, 27, "", kBlue, false},
    {"透明标签6", K::Label, kIdLabelSkill, 40, 200, 64, 24, "怪物技能：", kBlue, false},
    {"编辑框6", K::Edit, kIdSkill, 97, 200, 224, 27, "", kBlue, true},
    {"选择框1", K::CheckBox, kIdSkillsSwitch, 328, 204, 48, 24, kSwitchOff, kBlue, false},
    {"透明标签7", K::Label, kIdLabelEquipment, 16, 232, 88, 24, "怪物穿的装备：", kBlue, false},
    {"编辑框7", K::Edit, kIdEquipmentItem, 97, 232, 167, 27, "", kBlue, true},
    {"组合框1", K::Combo, kIdEquipmentSlot, 264, 235, 60, 20, "", kBlack, false},
    {"选择框2", K::CheckBox, kIdEquipmentSwitch, 328, 235, 48, 24, kSwitchOff, kBlue, false},
    {"透明标签8", K::Label, kIdLabelDrop, 4, 264, 104, 24, "怪物掉落的物品：", kBlue, false},
    {"编辑框8", K::Edit, kIdDropItem, 97, 264, 224, 27, "", kBlue, true},
    {"选择框3", K::CheckBox, kIdDropsSwitch, 328, 267, 48, 24, kSwitchOff, kBlue, false},
    {"透明标签9", K::Label, kIdLabelOption, 28, 296, 64, 24, "怪物的属性：", kBlue, false},
    {"编辑框9", K::Edit, kIdOptionName, 97, 296, 167, 27, "", kBlue, true},
    {"编辑框11", K::Edit, kIdOptionValue, 264, 296, 56, 27, "", kBlue, true},
    {"选择框4", K::CheckBox, kIdOptionsSwitch, 328, 299, 48, 24, kSwitchOff, kBlue, false},
    {"按钮1", K::Button, kIdGenerate, 88, 346, 208, 32, "开始生成 [怪物]", kBlack, false},
    {"编辑框10", K::OutputBox, kIdOutput, 384, 29, 424, 291, "", kBlue, false},
    {"透明标签10", K::NoteLabel, kIdNote, 360, 344, 408, 40, kNoteText, kRed, false},
    {"编辑框13", K::StagingBox, kIdStageSkills, 384, 191, 424, 32, "", kBlack, false},
    {"编辑框14", K::StagingBox, kIdStageEquipment, 384, 223, 424, 32, "", kBlack, false},
    {"编辑框15", K::StagingBox, kIdStageDrops, 384, 255, 424, 32, "", kBlack, false},
    {"编辑框16", K::StagingBox, kIdStageOptions, 384, 287, 424, 32, "", kBlack, false},
    {"分组框1", K::GroupBox, kIdGroupBox, 8, 376, 40, 24, "", kBlack, false},
};

}  // namespace

const ControlSpec* FormControls(int* count) {
    *count = static_cast<int>(sizeof(kControls) / sizeof(kControls[0]));
    return kControls;
}

const ControlSpec* FindControlSpec(int id) {
    for (const ControlSpec& c : kControls)
        if (c.id == id) return &c;
    return nullptr;
}

}  // namespace editor
