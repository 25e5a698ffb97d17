#pragma once
// The skin of up-down controls ("msctls_updown32"): a translucent rounded plate split
// into two rounded buttons with arrow glyphs; the half under the pointer is lit in the
// theme colour and drawn sunken while the left button is down. The control keeps its own
// behaviour (auto-repeat, buddy updates); only its look is replaced.
#include <windows.h>

#include <cstdint>

namespace skin {

// Which half of an up-down a point lies in.
inline constexpr int kUpDownFirstHalf = 0;   // upper, or left when horizontal
inline constexpr int kUpDownSecondHalf = 1;  // lower, or right when horizontal

// Skins every direct "msctls_updown32" child of parent into the record at parentIndex.
void InstallUpDownSkin(int parentIndex, HWND parent);

LRESULT CALLBACK UpDownSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The half holding point (client x in the low word, y in the high word, both signed).
// A point exactly on the split belongs to the first half. 0 for an unknown entry.
int UpDownHalfAt(int parentIndex, int entryIndex, uint32_t point);

// Paints the control at once. Each state whose given-flag is false is read from the
// entry: hover, pressed, and point (from the stored press point). Nothing happens for an
// unknown record or entry.
void PaintUpDown(int parentIndex, int entryIndex, bool hover, bool hoverGiven, bool pressed, bool pressedGiven,
                 uint32_t point, bool pointGiven);

}  // namespace skin
