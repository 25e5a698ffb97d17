#pragma once
// The skin of "msctls_progress32" controls: a rounded, softly shaded plate with a rounded
// bar in the theme colour over it, growing from the left (upwards from the bottom for a
// vertical bar) with the control's position. The control's own look is never drawn.
#include <windows.h>

namespace skin {

// Every progress bar among the direct children of parent, into the record at parentIndex.
void InstallProgressSkin(int parentIndex, HWND parent);

LRESULT CALLBACK ProgressSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Draws the control of entry entryIndex of the record's progressControls onto its whole
// window. Does nothing for a stale index.
void PaintProgressBar(int parentIndex, int entryIndex);

}  // namespace skin
