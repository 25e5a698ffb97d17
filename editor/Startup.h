#pragma once
// The editor's start-up, its form-created handler and its exit routine, on the skin's
// program start-up (skin/engine/SkinnedProgram.h).
#include <windows.h>

namespace editor {

// Engine, lists, graphics library, icon and engine settings, in that order.
void StartProgram();

// The editor window's form-created handler: hands the window to the skin.
void OnFormCreated(HWND form);

// Frees everything StartProgram made. Runs its work once, however often it is called.
void ExitProgram();

}  // namespace editor
