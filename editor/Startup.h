#pragma once
// The program's start-up order, the form-created handler and the exit routine.
#include <windows.h>

namespace editor {

// Engine, lists, graphics library, icon and engine settings, in that order.
void StartProgram();

// The editor window's form-created handler: hands the window to the skin.
void OnFormCreated(HWND form);

// Frees everything StartProgram made. Runs its work once, however often it is called.
void ExitProgram();

// Pumps messages until WM_QUIT; returns its exit code.
int RunMessageLoop();

}  // namespace editor
