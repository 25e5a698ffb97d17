#pragma once
// The look of the list-like controls: a see-through frame ring with a thin outline
// around their scroll area, and, in translucent mode, their items painted over the
// veiled skin background instead of over their own opaque background.
#include <windows.h>

#include <optional>

#include "skin/draw/Backgrounds.h"

namespace skin {

// WS_BORDER, or any of WS_EX_WINDOWEDGE, WS_EX_CLIENTEDGE, WS_EX_DLGMODALFRAME.
bool HasFrameBorder(HWND window);

// A list box not drawn by its owner: it fills each row and the rest of its client area
// opaque in the DC's background colour (which the hollow-brush answer leaves alone), so the
// skin paints it twice and keeps only what it drew.
bool IsMattedListBox(HWND window);

// Paints the frame ring of the control in entry entryIndex of the record's
// listControls at once; a state not given comes from the entry. Nothing is painted for
// a combo list or a control without a frame style, nor for a stale index.
void PaintListFrame(int parentIndex, int entryIndex, std::optional<bool> hover = std::nullopt,
                    std::optional<bool> focused = std::nullopt);

// The skin background under the window's client area under a white veil at
// SkinVeilAlpha, client-sized. Empty when the window belongs to no skinned window.
ComposedBackground ComposeVeiledBackground(HWND window);

// Lays the veiled background over the client area on dc (a client DC).
void PaintVeiledClient(HWND window, HDC dc);

// True when PaintListFrame draws the window's ring: it has a frame style and is not a
// combo list.
bool IsListFramePainted(HWND window);

// The system's share of WM_NCPAINT. Where the skin paints the ring, the system draws the
// scroll bars (and the square between them) and nothing else; elsewhere it draws the
// whole frame for the region received, so those controls keep their own border.
// Answers the default procedure's result.
LRESULT PaintSystemNonClient(HWND window, WPARAM region, LPARAM lParam);

// WM_PAINT of a tree view in translucent mode: the tree draws itself off screen on a
// canvas of the key colour, background in the key colour too; key pixels show the veiled
// background, and the soft edges of its text are laid over the veil rather than left
// mixed with the key (KeyBlend.h). Answers the result for the message; nothing when no
// background could be composed (the caller then passes the message on).
std::optional<LRESULT> PaintTranslucentTree(HWND window, LPARAM lParam);

// WM_PAINT of an IP address control in translucent mode, the same way with its own ground
// colour as the key: the room round its fields shows the veil, its dots stay.
std::optional<LRESULT> PaintTranslucentIpAddress(HWND window, LPARAM lParam);

// WM_PAINT of a list view or list box in translucent mode: a list view draws its items
// straight onto the veiled background; a list box that is not owner-drawn paints twice, on
// black and on white, and what it left unpainted or filled with its ground becomes the
// veiled background. Same answer as PaintTranslucentTree.
std::optional<LRESULT> PaintTranslucentList(HWND window, LPARAM lParam);

}  // namespace skin
