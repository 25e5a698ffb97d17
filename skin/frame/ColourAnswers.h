#pragma once
// Answers to a control's colour request (WM_CTLCOLOR*): its text colour from "Kj_Ztys",
// a transparent background mode, and a brush that the control's properties keep until the
// next request replaces it.
#include <windows.h>

namespace skin {

// A pattern brush of the veiled skin under the control's client area ("Kj_dxjb", with its
// bitmap in "Kj_wtjb"). Null when no background can be composed for the control; the
// request is then left to the window's own procedure.
HBRUSH AnswerWithPatternBrush(HWND control, HDC dc);

// The stock hollow brush, for controls that paint their own face.
HBRUSH AnswerWithHollowBrush(HWND control, HDC dc);

// Deletes the brush and bitmap held for the control and removes both properties.
void ReleaseColourObjects(HWND control);

}  // namespace skin
