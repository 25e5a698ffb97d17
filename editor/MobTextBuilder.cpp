#include "editor/MobTextBuilder.h"

#include "editor/FormLayout.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>

namespace editor {

namespace {

bool IsSingleLineEdit(HWND control) {
    char name[8] = {};
    return GetClassNameA(control, name, sizeof(name)) == 4 && lstrcmpiA(name, "Edit") == 0 &&
           (GetWindowLongA(control, GWL_STYLE) & ES_MULTILINE) == 0;
}

// Four bytes at a time: a megabyte field is checked in a fraction of a millisecond.
bool AllAscii(const char* bytes, size_t size) {
    std::uint32_t any = 0;
    size_t i = 0;
    for (; i + 4 <= size; i += 4) {
        std::uint32_t word;
        std::memcpy(&word, bytes + i, 4);
        any |= word;
    }
    for (; i < size; ++i) any |= static_cast<unsigned char>(bytes[i]);
    return (any & 0x80808080u) == 0;
}

// A single-line edit tells its length in characters without converting its text, which
// WM_GETTEXTLENGTH does (a millisecond a megabyte under Wine). A buffer of that many bytes
// holds the whole text when every byte comes back ASCII: then each byte is one character.
// Anything else (DBCS text, a text cut short) is read again the exact way.
bool ReadAsciiEditText(HWND control, std::string& text) {
    if (!IsSingleLineEdit(control)) return false;
    const LRESULT characters = SendMessageA(control, EM_LINELENGTH, 0, 0);
    if (characters <= 0) return false;
    text.assign(static_cast<size_t>(characters) + 1, '\0');
    const LRESULT copied = SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    if (copied != characters || !AllAscii(text.data(), static_cast<size_t>(copied))) return false;
    text.resize(static_cast<size_t>(copied));
    return true;
}

}  // namespace

std::string ReadControlText(HWND control) {
    if (!control) return {};
    std::string text;
    if (ReadAsciiEditText(control, text)) return text;
    const LRESULT length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) return {};
    // WM_GETTEXTLENGTH may over-report for DBCS text; the copy tells the real size.
    text.assign(static_cast<size_t>(length) + 1, '\0');
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

using Pieces = std::initializer_list<Piece>;

size_t SizeOf(Pieces pieces) {
    size_t size = 0;
    for (const Piece& p : pieces) size += p.size;
    return size;
}

}  // namespace

MobText MobTextBuilder::compose(const MobDefinition& mob) {
    const Pieces header = {mob.id,          ":\r\n  Mobtype: ",
                           mob.mobType,     "\r\n  Display: \"",
                           mob.displayName, "\"\r\n  Health: ",
                           mob.health,      "\r\n  Damage: ",
                           mob.damage,      "\r\n"};
    const Pieces skills = {"  Skills: \r\n  - ", mob.skill};
    const Pieces equipment = {"  Equipment: \r\n  - ", mob.equipmentItem, ":", mob.equipmentSlot};
    const Pieces drops = {"  Drops: \r\n  - ", mob.dropItem};
    const Pieces options = {"  Options: \r\n    ", mob.optionName, ": ", mob.optionValue};
    MobText t;
    // An enabled section is closed by a line break; one that is off leaves nothing.
    const struct {
        bool on;
        const Pieces* pieces;
        MobText::Part* part;
    } sections[] = {{mob.skillsEnabled, &skills, &t.skillsPart},
                    {mob.equipmentEnabled, &equipment, &t.equipmentPart},
                    {mob.dropsEnabled, &drops, &t.dropsPart},
                    {mob.optionsEnabled, &options, &t.optionsPart}};

    // One block at its final size: with megabyte fields, every regrowth or separate copy
    // of a part is a fresh block to fault in and copy.
    size_t size = SizeOf(header);
    for (const auto& s : sections)
        if (s.on) size += SizeOf(*s.pieces) + 2;
    t.full.reserve(size);
    auto append = [&t](Pieces pieces) {
        MobText::Part part{t.full.size(), 0};
        for (const Piece& p : pieces) t.full.append(p.data, p.size);
        part.size = t.full.size() - part.at;
        return part;
    };
    t.headerPart = append(header);
    for (const auto& s : sections) {
        if (!s.on) continue;
        *s.part = append(*s.pieces);
        t.full.append("\r\n");
    }
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
        std::string_view section;
    } stages[] = {{mob.skillsEnabled, kIdStageSkills, text.skills()},
                  {mob.equipmentEnabled, kIdStageEquipment, text.equipment()},
                  {mob.dropsEnabled, kIdStageDrops, text.drops()},
                  {mob.optionsEnabled, kIdStageOptions, text.options()}};
    for (const auto& s : stages)
        if (s.on) SetDlgItemTextA(form_, s.box, std::string(s.section).c_str());
    SetDlgItemTextA(form_, kIdOutput, text.full.c_str());
}

}  // namespace editor
