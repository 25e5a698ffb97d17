#pragma once
// The start-up and exit of a program whose windows the skin takes over, the hand-over of
// a form with this program's look, and the message loop. The editor and the control
// gallery both run on these.
#include <windows.h>

namespace skin {

// Common controls, engine, empty lists, then the skin module's start hook (graphics
// library, icon, the engine's start values), in that order. Runs its work once.
void StartSkinnedProgram();

// The form-created handler's four engine calls, in this order: the background picture and
// colours, the control-skin options, taking the form over, and the hidden group box with
// the id groupBoxId (if the form has one) as a sub-window.
void SkinProgramForm(HWND form, int groupBoxId);

// Frees everything StartSkinnedProgram made: the engine (icon, graphics library), the
// registry with the drawing objects of windows still skinned, the memory-DC list and the
// engine-wide picture. Runs its work once, however often it is called.
void ExitSkinnedProgram();

// Pumps messages until WM_QUIT, with the form keys of FormKeys.h; returns its exit code.
int RunMessageLoop();

}  // namespace skin
