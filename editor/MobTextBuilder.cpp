#include "editor/MobTextBuilder.h"

#include "editor/FormLayout.h"

#include <cstring>
#include <initializer_list>

namespace editor {

std::string ReadControlText(HWND control) {
    if (!control) return {};
    const LRESULT length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) return {};
    // WM_GETTEXTLENGTH may over-report for DBCS text; the copy tells the real size.
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

namespace {

// One piece of a composed text: a field or a literal, never copied on its own.
struct Piece {
    Piece(const std::string& s) : data(s.data()), size(s.size()) {}
    Piece(const char* s) : data(s), size(std::strlen(s)) {}
    const char* data;
    size_t size;
};

// Joins the pieces into a string allocated once at its final size: with megabyte
// fields, every regrowth of a chained '+' is a fresh block to fault in and copy.
std::string Join(std::initializer_list<Piece> pieces) {
    size_t size = 0;
    for (const Piece& p : pieces) size += p.size;
    std::string text;
    text.reserve(size);
    for (const Piece& p : pieces) text.append(p.data, p.size);
    return text;
}

}  // namespace

MobText MobTextBuilder::compose(const MobDefinition& mob) {
    MobText t;
    t.header = Join({mob.id, ":\r\n  Mobtype: ", mob.mobType, "\r\n  Display: \"", mob.displayName,
                     "\"\r\n  Health: ", mob.health, "\r\n  Damage: ", mob.damage, "\r\n"});
    if (mob.skillsEnabled) t.skills = Join({"  Skills: \r\n  - ", mob.skill});
    if (mob.equipmentEnabled) t.equipment = Join({"  Equipment: \r\n  - ", mob.equipmentItem, ":", mob.equipmentSlot});
    if (mob.dropsEnabled) t.drops = Join({"  Drops: \r\n  - ", mob.dropItem});
    if (mob.optionsEnabled) t.options = Join({"  Options: \r\n    ", mob.optionName, ": ", mob.optionValue});

    // A section that is off is empty, and so is its line break.
    auto end = [](bool on) { return on ? "\r\n" : ""; };
    t.full = Join({t.header, t.skills, end(mob.skillsEnabled), t.equipment, end(mob.equipmentEnabled), t.drops,
                   end(mob.dropsEnabled), t.options, end(mob.optionsEnabled)});
    return t;
}

MobDefinition MobTextBuilder::read() const {
    auto text = [this](int id) { return ReadControlText(GetDlgItem(form_, id)); };
    auto ticked = [this](int id) { return IsDlgButtonChecked(form_, id) == BST_CHECKED; };
    MobDefinition mob;
    mob.id = text(kIdMobId);
    mob.mobType = text(kIdMobType);
    mob.displayName = text(kIdDisplayName);
    mob.health = text(kIdHealth);
    mob.damage = text(kIdDamage);
    mob.skillsEnabled = ticked(kIdSkillsSwitch);
    mob.skill = text(kIdSkill);
    mob.equipmentEnabled = ticked(kIdEquipmentSwitch);
    mob.equipmentItem = text(kIdEquipmentItem);
    mob.equipmentSlot = text(kIdEquipmentSlot);
    mob.dropsEnabled = ticked(kIdDropsSwitch);
    mob.dropItem = text(kIdDropItem);
    mob.optionsEnabled = ticked(kIdOptionsSwitch);
    mob.optionName = text(kIdOptionName);
    mob.optionValue = text(kIdOptionValue);
    return mob;
}

void MobTextBuilder::build() const {
    const MobDefinition mob = read();
    const MobText text = compose(mob);
    // Each enabled section also leaves its text in its hidden staging box.
    const struct {
        bool on;
        int box;
        const std::string* section;
    } stages[] = {{mob.skillsEnabled, kIdStageSkills, &text.skills},
                  {mob.equipmentEnabled, kIdStageEquipment, &text.equipment},
                  {mob.dropsEnabled, kIdStageDrops, &text.drops},
                  {mob.optionsEnabled, kIdStageOptions, &text.options}};
    for (const auto& s : stages)
        if (s.on) SetDlgItemTextA(form_, s.box, s.section->c_str());
    SetDlgItemTextA(form_, kIdOutput, text.full.c_str());
}

}  // namespace editor
