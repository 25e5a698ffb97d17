#pragma once
// Control ids and the fixed layout of the editor window.
#include <windows.h>

namespace editor {

enum ControlId : int {
    kIdLabelId = 0x16010003,
    kIdMobId = 0x16010002,
    kIdLabelType = 0x16010004,
    kIdMobType = 0x16010005,
    kIdLabelName = 0x16010007,
    kIdDisplayName = 0x16010008,
    kIdLabelHealth = 0x16010009,
    kIdHealth = 0x1601000a,
    kIdLabelDamage = 0x1601000b,
    kIdDamage = 0x1601000c,
    kIdLabelSkill = 0x1601000d,
    kIdSkill = 0x1601000e,
    kIdSkillsSwitch = 0x1601000f,
    kIdLabelEquipment = 0x16010016,
    kIdEquipmentItem = 0x16010017,
    kIdEquipmentSlot = 0x1601006a,
    kIdEquipmentSwitch = 0x1601001c,
    kIdLabelDrop = 0x16010018,
    kIdDropItem = 0x16010019,
    kIdDropsSwitch = 0x1601001d,
    kIdLabelOption = 0x1601001a,
    kIdOptionName = 0x1601001b,
    kIdOptionValue = 0x16010030,
    kIdOptionsSwitch = 0x1601001e,
    kIdGenerate = 0x16010029,
    kIdOutput = 0x16010028,
    kIdNote = 0x16010068,
    kIdStageSkills = 0x16010064,
    kIdStageEquipment = 0x16010065,
    kIdStageDrops = 0x16010066,
    kIdStageOptions = 0x16010067,
    kIdGroupBox = 0x1601005f,
};

enum class ControlKind { Label, Edit, CheckBox, Combo, Button, OutputBox, NoteLabel, StagingBox, GroupBox };

struct ControlSpec {
    const char* name;  // the control's name in the designer, kept for tests and diagnostics
    ControlKind kind;
    int id;
    int x, y, width, height;
    const char* text;
    COLORREF textColour;
    bool readOnlyAtStart;
};

// Every control of the form, in creation order (which is also the tab order).
const ControlSpec* FormControls(int* count);
const ControlSpec* FindControlSpec(int id);

constexpr const char* kWindowCaption = "MC - Mobwright - Veltrane";
constexpr const char* kWindowClass = "MobwrightEditorForm";
constexpr int kFormX = 50, kFormY = 50, kFormWidth = 825, kFormHeight = 405;
constexpr const char* kSwitchOn = "开启";
constexpr const char* kSwitchOff = "关闭";
constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kRed = 0x0000FF;

}  // namespace editor
