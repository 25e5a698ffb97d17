#pragma once
// The keyboard of a skinned form: the keys the system answers in dialog boxes (Tab and
// Shift+Tab, arrows within a group), Ctrl+A in edits, and Enter and Escape, which a form
// leaves alone.
#include <windows.h>

namespace skin {

// Handles msg if it is one of the form keys; true when it was handled (the caller then
// neither translates nor dispatches it). The top-level window over msg.hwnd is the form.
bool HandleFormKeys(MSG& msg);

// A form's answer to WM_NEXTDLGCTL, which a multi-line edit in dialog mode sends its parent
// for Tab: the focus moves to the next (wParam 0) or previous tab stop, or to the window
// in wParam when lParam is non-zero.
void MoveFormFocus(HWND form, WPARAM wParam, LPARAM lParam);

}  // namespace skin
