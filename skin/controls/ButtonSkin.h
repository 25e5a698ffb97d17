#pragma once
// The skin of "BUTTON" controls: push buttons become owner-drawn (their faces are painted
// when the parent answers WM_DRAWITEM), check boxes and automatic radio buttons keep
// their own procedure underneath and are painted over by the skin whenever it has drawn.
// All three share one list (buttonControls) and one skin procedure.
#include <windows.h>

namespace skin {

// Button type tests on a window style (the low four bits).
bool IsPushButtonStyle(LONG style);  // BS_PUSHBUTTON, BS_DEFPUSHBUTTON, BS_USERBUTTON
bool IsCheckBoxStyle(LONG style);    // BS_CHECKBOX, BS_AUTOCHECKBOX, BS_PUSHBOX, 11
bool IsOwnerDrawStyle(LONG style);   // BS_OWNERDRAW and 15

// Installers over the direct children of parent, into the record at parentIndex.
// Push buttons: captures caption and font ("宋体" / 12 when the font gives none).
void InstallPushButtonSkin(int parentIndex, HWND parent);
// Check boxes and automatic radio buttons.
void InstallCheckRadioSkin(int parentIndex, HWND parent);

LRESULT CALLBACK ButtonSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Repaints the button at once in an owner-draw item state (ODS_FOCUS ...); hover adds
// ODS_HOTLIGHT.
void RepaintButtonState(HWND button, UINT itemState, bool hover);

// The 1-based index of the window's entry in the record's buttonControls, 0 when none.
int FindButtonEntry(int parentIndex, HWND window);

}  // namespace skin
