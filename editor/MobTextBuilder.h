#pragma once
// Composes the mob definition text from the form and writes it into the output box.
#include <windows.h>

#include <string>

namespace editor {

// The values on the form at the moment of a build, verbatim as ANSI byte strings.
struct MobDefinition {
    std::string id, mobType, displayName, health, damage;
    bool skillsEnabled = false;
    std::string skill;
    bool equipmentEnabled = false;
    std::string equipmentItem, equipmentSlot;
    bool dropsEnabled = false;
    std::string dropItem;
    bool optionsEnabled = false;
    std::string optionName, optionValue;
};

struct MobText {
    std::string header;
    // Section texts without their trailing line break; empty when the section is off.
    std::string skills, equipment, drops, options;
    std::string full;  // header plus every enabled section, each closed by CR LF
};

class MobTextBuilder {
public:
    explicit MobTextBuilder(HWND form) : form_(form) {}

    // Reads the form, composes the text and writes the output box and the staging
    // boxes of the enabled sections. The output box is replaced, never appended to.
    void build() const;

    static MobText compose(const MobDefinition& mob);
    MobDefinition read() const;

private:
    HWND form_;
};

// Reads a control's whole text as ANSI bytes, however long it is.
std::string ReadControlText(HWND control);

}  // namespace editor
