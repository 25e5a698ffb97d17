#pragma once
// The skin of the list-like controls: list boxes, combo-box lists, list views, tree
// views, IP address fields and date-time pickers. They share one list (listControls)
// and one skin procedure; their look is in ListPainting.h.
#include <windows.h>

namespace skin {

// Posted by a list to itself after an arrow key went down: while the key is held, the
// whole see-through content is composed again after the control has moved its items.
inline constexpr UINT kListArrowKeyTick = 0x8002;

// Skins the parent's direct children of the six classes, one class after the other, into
// the record at parentIndex. A combo box contributes its list window when that is its
// child and not owner-drawn; list views sorted ascending are left alone.
void InstallListSkin(int parentIndex, HWND parent);

LRESULT CALLBACK ListSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
