#pragma once
// Composes the mob definition text from the form and writes it into the output box.
#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

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

// The composed text, allocated once: the header and the sections are views into full.
struct MobText {
    // Where a part lies in full.
    struct Part {
        std::size_t at = 0;
        std::size_t size = 0;
    };

    std::string full;  // header plus every enabled section, each closed by CR LF
    Part headerPart, skillsPart, equipmentPart, dropsPart, optionsPart;

    // Section texts without their trailing line break; empty when the section is off. They
    // stay valid while full does not change.
    std::string_view header() const { return view(headerPart); }
    std::string_view skills() const { return view(skillsPart); }
    std::string_view equipment() const { return view(equipmentPart); }
    std::string_view drops() const { return view(dropsPart); }
    std::string_view options() const { return view(optionsPart); }

private:
    std::string_view view(Part part) const {
        const std::string_view all(full);
        return part.at <= all.size() ? all.substr(part.at, part.size) : std::string_view();
    }
};

class MobTextBuilder {
public:
    explicit MobTextBuilder(HWND form) : form_(form) {}

    // Reads the form, composes the text and writes the output box and the staging
    // boxes of the enabled sections. The output box is replaced, never appended to.
    void build() const;

    static MobText compose(const MobDefinition& mob);
    MobDefinition read() const;
    // The same text as compose(read()), read from the form straight into its place:
    // fields of sections that are off are not read, and no field is copied on the way.
    MobText readText() const;

private:
    HWND form_;
};

// Reads a control's whole text as ANSI bytes, however long it is.
std::string ReadControlText(HWND control);

}  // namespace editor
