#pragma once
// The one place where the control skins are installed over a window's children.
#include <windows.h>

namespace skin {

// Runs every family's installer over parent's children, in this order: push buttons;
// check boxes and automatic radio buttons; edit and combo boxes; track bars; progress
// bars; list-like controls and scroll bars; up-down controls; headers. The controls are
// entered into the lists of the record at recordIndex. Each installer does nothing while
// SkinControls is 0.
void RunControlInstallers(int recordIndex, HWND parent);

}  // namespace skin
