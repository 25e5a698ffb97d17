#pragma once
// The skin of "ComboBox" controls: the skin paints the whole box itself (see-through
// background, outline, a rounded drop button with a gradient and an arrow, and a list-only
// box's selected text) and leaves the combo's own child windows untouched. A drop-down
// box's edit field becomes a skinned edit whose colour requests the combo answers.
#include <windows.h>

#include <optional>

namespace skin {

// The combo half of the installer: every direct "ComboBox" child of parent, each once,
// with its own edit field registered as an edit while SkinTranslucentEdits is on.
void InstallComboSkins(int parentIndex, HWND parent);

// The installer of both families in the skinning pass: edit boxes first, then combo boxes.
void InstallEditAndComboSkins(int parentIndex, HWND parent);

LRESULT CALLBACK ComboSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the combo box of entry entryIndex in the record at parentIndex at once. Without
// a focus flag the entry's own is used.
void PaintComboBox(int parentIndex, int entryIndex, bool hover, std::optional<bool> focused = std::nullopt);

// The window's rectangle relative to the top-left corner of its parent's window
// rectangle; empty for a window that is itself a skinned window or has no parent.
RECT ChildRectInParentWindow(HWND window);

}  // namespace skin
