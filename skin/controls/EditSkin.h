#pragma once
// The skin of "Edit" controls. The edit keeps its own procedure for typing and drawing
// text; the skin replaces the border with a thin outline that follows focus and hover,
// lets the window's picture show through the background while SkinTranslucentEdits is
// on, leaves the scroll bars to the system, and invalidates the edit whenever typing,
// scrolling or dragging a selection would leave stale background behind the text.
#include <windows.h>

#include <optional>

class GxGraphics;

namespace skin {

// The edit half of the edit and combo installer: every direct "Edit" child of parent,
// each once, into the record at parentIndex. "Kj_Ztys" is set to 0: skinned text is black.
void InstallEditSkins(int parentIndex, HWND parent);

// Registers one edit (a direct child or a combo box's own field) and answers its entry
// index; 0 when it is registered already or cannot be skinned.
int InstallEditSkin(int parentIndex, HWND edit, HWND parent);

// The 1-based index of the window's entry in the record's editControls, 0 when none.
int FindEditEntry(int parentIndex, HWND window);

LRESULT CALLBACK EditSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the edit's border ring at once. Without a focus flag the entry's own is used.
void PaintEditFrame(HWND edit, bool hover, std::optional<bool> focused = std::nullopt);

// The outline on a surface the size of the edit's window: a 2-pixel theme-colour frame
// inset by 1 under the pointer, else a 1-pixel frame in the theme colour (focused) or
// faint black. Draws nothing for an edit without a registered ancestor.
void DrawEditBorder(HWND edit, bool focused, bool hover, GxGraphics& surface);

// Paints the client area as the skin under it veiled in white. dc is the control's
// client DC when isClientDC is set; otherwise the window DC is used.
void PaintVeiledBackground(HWND control, HDC dc, bool isClientDC);

}  // namespace skin
