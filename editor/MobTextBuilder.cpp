#include "editor/MobTextBuilder.h"

#include "editor/FormLayout.h"

#include <cstdint>
#include <cstring>

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

// A field of the definition and the control it is read from.
struct Field {
    std::string MobDefinition::*member;
    int control;
    int slot;  // position among kFields
};

constexpr Field kFields[] = {{&MobDefinition::id, kIdMobId, 0},
                             {&MobDefinition::mobType, kIdMobType, 1},
                             {&MobDefinition::displayName, kIdDisplayName, 2},
                             {&MobDefinition::health, kIdHealth, 3},
                             {&MobDefinition::damage, kIdDamage, 4},
                             {&MobDefinition::skill, kIdSkill, 5},
                             {&MobDefinition::equipmentItem, kIdEquipmentItem, 6},
                             {&MobDefinition::equipmentSlot, kIdEquipmentSlot, 7},
                             {&MobDefinition::dropItem, kIdDropItem, 8},
                             {&MobDefinition::optionName, kIdOptionName, 9},
                             {&MobDefinition::optionValue, kIdOptionValue, 10}};
constexpr int kFieldCount = sizeof(kFields) / sizeof(kFields[0]);

// One piece of the text: a literal, or a field's text.
struct Piece {
    constexpr Piece(const char* text) : literal(text), field(nullptr) {}
    constexpr Piece(const Field& f) : literal(nullptr), field(&f) {}
    const char* literal;
    const Field* field;
};

constexpr Piece kHeader[] = {kFields[0],         ":\r\n  Mobtype: ", kFields[1],       "\r\n  Display: \"", kFields[2],
                             "\"\r\n  Health: ", kFields[3],         "\r\n  Damage: ", kFields[4],          "\r\n"};
constexpr Piece kSkills[] = {"  Skills: \r\n  - ", kFields[5]};
constexpr Piece kEquipment[] = {"  Equipment: \r\n  - ", kFields[6], ":", kFields[7]};
constexpr Piece kDrops[] = {"  Drops: \r\n  - ", kFields[8]};
constexpr Piece kOptions[] = {"  Options: \r\n    ", kFields[9], ": ", kFields[10]};

// A part of the text: its pieces, where its span is noted, and for a section the switch
// that turns it on. An enabled section is closed by a line break; one that is off leaves
// nothing.
struct PartLayout {
    const Piece* begin;
    const Piece* end;
    MobText::Part MobText::*span;
    bool MobDefinition::*enabled;  // null for the header, which is always there
    int switchControl;
};

template <size_t N>
constexpr const Piece* End(const Piece (&pieces)[N]) {
    return pieces + N;
}

constexpr PartLayout kParts[] = {
    {kHeader, End(kHeader), &MobText::headerPart, nullptr, 0},
    {kSkills, End(kSkills), &MobText::skillsPart, &MobDefinition::skillsEnabled, kIdSkillsSwitch},
    {kEquipment, End(kEquipment), &MobText::equipmentPart, &MobDefinition::equipmentEnabled, kIdEquipmentSwitch},
    {kDrops, End(kDrops), &MobText::dropsPart, &MobDefinition::dropsEnabled, kIdDropsSwitch},
    {kOptions, End(kOptions), &MobText::optionsPart, &MobDefinition::optionsEnabled, kIdOptionsSwitch}};
constexpr int kPartCount = sizeof(kParts) / sizeof(kParts[0]);
constexpr char kSectionEnd[] = "\r\n";

// Lays the enabled parts out in one block at its final size: with megabyte fields, every
// regrowth or separate copy of a part is a fresh block to fault in and copy. The source
// tells how much room each field takes and then writes it there; it may take more or
// less than it asked for (put answers where the field ends).
template <class Source>
MobText Lay(const bool (&on)[kPartCount], Source& source) {
    size_t room = 0;
    for (int i = 0; i < kPartCount; ++i) {
        if (!on[i]) continue;
        for (const Piece* p = kParts[i].begin; p != kParts[i].end; ++p)
            room += p->field ? source.room(*p->field) : std::strlen(p->literal);
        if (kParts[i].enabled) room += sizeof(kSectionEnd) - 1;
    }
    MobText t;
    t.full.resize(room);
    size_t at = 0;
    auto putLiteral = [&t, &at](const char* literal) {
        const size_t size = std::strlen(literal);
        std::memcpy(&t.full[at], literal, size);
        at += size;
    };
    for (int i = 0; i < kPartCount; ++i) {
        if (!on[i]) continue;
        MobText::Part& span = t.*kParts[i].span;
        span.at = at;
        for (const Piece* p = kParts[i].begin; p != kParts[i].end; ++p) {
            if (p->field) {
                at = source.put(*p->field, t.full, at);
            } else {
                putLiteral(p->literal);
            }
        }
        span.size = at - span.at;
        if (kParts[i].enabled) putLiteral(kSectionEnd);
    }
    t.full.resize(at);
    return t;
}

// Fields from a definition already read.
class DefinitionSource {
public:
    explicit DefinitionSource(const MobDefinition& mob) : mob_(mob) {}
    size_t room(const Field& f) const { return (mob_.*f.member).size(); }
    size_t put(const Field& f, std::string& full, size_t at) const {
        const std::string& text = mob_.*f.member;
        std::memcpy(&full[at], text.data(), text.size());
        return at + text.size();
    }

private:
    const MobDefinition& mob_;
};

// Fields read from the form straight into their place. A single-line edit (a combo's
// own edit too) is given as many bytes as it has characters and read there; it is kept
// when it came back all ASCII. Any other text is read the exact way, before or (when the
// quick read did not hold it) in place of the room it was given.
class FormSource {
public:
    explicit FormSource(HWND form) : form_(form) {}

    size_t room(const Field& f) {
        Slot& slot = slots_[f.slot];
        slot.control = GetDlgItem(form_, f.control);
        HWND edit = slot.control;
        COMBOBOXINFO combo = {};
        combo.cbSize = sizeof(combo);
        if (edit && GetComboBoxInfo(edit, &combo) && combo.hwndItem) edit = combo.hwndItem;
        if (edit && IsSingleLineEdit(edit)) {
            const LRESULT characters = SendMessageA(edit, EM_LINELENGTH, 0, 0);
            if (characters >= 0) {
                slot.edit = edit;
                slot.characters = static_cast<size_t>(characters);
                return slot.characters;
            }
        }
        slot.text = ReadControlText(slot.control);
        return slot.text.size();
    }

    size_t put(const Field& f, std::string& full, size_t at) {
        Slot& slot = slots_[f.slot];
        if (!slot.edit) {
            std::memcpy(&full[at], slot.text.data(), slot.text.size());
            return at + slot.text.size();
        }
        const size_t characters = slot.characters;
        if (characters == 0) return at;
        // The copy's closing zero falls on room that later pieces overwrite, or on the
        // block's own terminator.
        const LRESULT copied = SendMessageA(slot.edit, WM_GETTEXT, characters + 1, reinterpret_cast<LPARAM>(&full[at]));
        if (copied == static_cast<LRESULT>(characters) && AllAscii(&full[at], characters)) return at + characters;
        const std::string exact = ReadControlText(slot.control);
        full.replace(at, characters, exact);
        return at + exact.size();
    }

private:
    struct Slot {
        HWND control = nullptr;
        HWND edit = nullptr;  // set when the field is read in place
        size_t characters = 0;
        std::string text;  // the exact text otherwise
    };
    HWND form_;
    Slot slots_[kFieldCount];
};

}  // namespace

MobText MobTextBuilder::compose(const MobDefinition& mob) {
    bool on[kPartCount];
    for (int i = 0; i < kPartCount; ++i) on[i] = !kParts[i].enabled || mob.*kParts[i].enabled;
    DefinitionSource source(mob);
    return Lay(on, source);
}

MobText MobTextBuilder::readText() const {
    bool on[kPartCount];
    for (int i = 0; i < kPartCount; ++i)
        on[i] = !kParts[i].enabled || IsDlgButtonChecked(form_, kParts[i].switchControl) == BST_CHECKED;
    FormSource source(form_);
    return Lay(on, source);
}

MobDefinition MobTextBuilder::read() const {
    MobDefinition mob;
    for (const Field& f : kFields) mob.*f.member = ReadControlText(GetDlgItem(form_, f.control));
    for (const PartLayout& part : kParts)
        if (part.enabled) mob.*part.enabled = IsDlgButtonChecked(form_, part.switchControl) == BST_CHECKED;
    return mob;
}

void MobTextBuilder::build() const {
    const MobText text = readText();
    // Each enabled section also leaves its text in its hidden staging box; an enabled
    // section is never empty (its heading is there).
    const struct {
        int box;
        std::string_view section;
    } stages[] = {{kIdStageSkills, text.skills()},
                  {kIdStageEquipment, text.equipment()},
                  {kIdStageDrops, text.drops()},
                  {kIdStageOptions, text.options()}};
    for (const auto& s : stages)
        if (!s.section.empty()) SetDlgItemTextA(form_, s.box, std::string(s.section).c_str());
    SetDlgItemTextA(form_, kIdOutput, text.full.c_str());
}

}  // namespace editor
