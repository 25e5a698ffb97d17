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

// Makes sure that every window of this thread that is destroyed (and each of its
// descendants) gives its colour objects back first, whether or not a skin procedure sees
// its end: a label or a check box destroyed before its top-level window would otherwise
// keep its brush and bitmap for the rest of the process. Idempotent; the watch lasts as
// long as the thread. Whoever stores objects in "Kj_dxjb" / "Kj_wtjb" calls it.
void WatchForDestroyedControls();

}  // namespace skin
