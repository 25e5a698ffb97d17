#pragma once
// The skin of "msctls_trackbar32" controls: the skin draws the whole control (a shaded
// plate, a thin channel, a dot that grows into a knob under the pointer, the selection
// mark and a theme-coloured line up to the thumb); the control keeps its behaviour and is
// asked for its state on every paint. Tick marks and the focus rectangle are never drawn.
#include <windows.h>

namespace skin {

// How the hovered knob is shifted across the channel, from the style at installation.
inline constexpr int kTickModeTop = 0;     // TBS_TOP: ticks above (left of) the channel
inline constexpr int kTickModeBottom = 1;  // the default: ticks below (right of) it
inline constexpr int kTickModeBoth = 2;    // TBS_BOTH
inline constexpr int kTickModeNone = 3;    // TBS_NOTICKS
int TrackBarTickMode(LONG style);

// Every track bar among the direct children of parent, into the record at parentIndex.
void InstallTrackBarSkin(int parentIndex, HWND parent);

LRESULT CALLBACK TrackBarSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Draws the control of entry entryIndex of the record's trackBarControls onto its whole
// window, in the hover state the entry holds. Does nothing for a stale index.
void PaintTrackBar(int parentIndex, int entryIndex);

}  // namespace skin
