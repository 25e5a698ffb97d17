#pragma once
// The editor's one window: fields, section switches, the generate button and the output box.
#include <windows.h>

#include <functional>

namespace editor {

class EditorForm {
public:
    // Runs once per window, after every control exists and before the window is
    // first shown: the place where the skin takes the window over.
    using CreatedHandler = std::function<void(HWND)>;

    struct Options {
        CreatedHandler onCreated;
        bool quitOnDestroy = true;  // the program's own window ends the message loop
        bool show = true;
    };

    // Registers the window class on first use and creates one form. Returns null on failure.
    static HWND Create(HINSTANCE instance, Options options);

    // Switch rule for one section: on makes its boxes editable, off makes them
    // read-only and empties them; the caption follows the state.
    static void ApplySwitch(HWND form, int switchId);
};

}  // namespace editor
