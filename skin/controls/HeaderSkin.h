#pragma once
// The skin of header controls ("SysHeader32"), on their own or as a list view's column
// headings: every item is drawn by the skin as a veiled cell with a soft theme gradient,
// a separator at its right edge, its image and its text; the item under the pointer is
// tinted and the pressed one shaded. Sizing, clicks and notifications stay the header's.
#include <windows.h>

#include <cstdint>

namespace skin {

// Width of the strip at each end of an item where the divider is dragged; a point there
// belongs to no item.
inline constexpr int kHeaderDividerZone = 5;

// Skins every direct "SysHeader32" child of parent, then the header of every direct
// "SysListView32" child, into the record at parentIndex.
void InstallHeaderSkin(int parentIndex, HWND parent);

LRESULT CALLBACK HeaderSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The 1-based item whose inner zone holds point's x (signed low word), 0 for none (a
// divider zone, beyond the items, or an unknown entry).
int HeaderItemAt(int parentIndex, int entryIndex, uint32_t point);

// Paints every item at once. Nothing happens for an unknown record or entry.
void PaintHeader(int parentIndex, int entryIndex);

// Width in pixels of text drawn in that font: floor of the measured width plus one; 1
// when the font cannot be made or the text is null or empty.
int MeasureTextWidth(const char* text, const char* fontName, int fontSize, int fontStyle);

}  // namespace skin
