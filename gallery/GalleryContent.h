#pragma once
// The items the gallery's controls show: mobs, gear and slots of a Minecraft server.
#include <windows.h>
#include <commctrl.h>

namespace gallery {

inline constexpr int kOwnerDrawnItemHeight = 18;

// Fills every list, view, bar and field of a freshly created gallery. Answers the image
// list handed to the standalone header; once the header is skinned, the header's skin
// destroys it together with the header.
HIMAGELIST FillGalleryControls(HWND gallery);

// Draws one item of the owner-drawn list box: a colour swatch (the item data) and its text.
void DrawOwnerDrawnItem(const DRAWITEMSTRUCT& item);

}  // namespace gallery
