#pragma once
// Painting of registered container children: the top-level window's skin showing through
// under the container's veil, an optional double rounded border or a group-box frame with
// its caption, and the layout of the container's pages.
#include <windows.h>

namespace skin {

// Composes the sub-window's background with its border or group frame and copies it to
// dc; a null dc means the sub-window's own client DC with its opaque children clipped
// out. Clears the entry's needsRebuild. Stale indexes paint nothing.
void PaintSubWindow(int recordIndex, int entryIndex, HDC dc);

// The later paints: composes as PaintSubWindow does but copies through a fresh client DC
// without the children (paintDC is left unused), then invalidates the children that show
// their parent through them.
void RepaintSubWindow(int recordIndex, int entryIndex, HWND window, HDC paintDC);

// The group-box look on a composed background: a double rounded frame from y = 5 and the
// window text as caption, set on a clean piece of background where the frame would cross it.
void PaintGroupFrame(int recordIndex, int entryIndex, HDC memoryDC);

// Copies the window's background and veil, exactly as composed for its whole client
// area, into box of dc (client coordinates of the window).
void RestoreCaptionBackground(HWND window, HDC dc, const RECT& box);

// Moves every page to x = 2 below its top offset, 4 pixels narrower than the sub-window
// and reaching its bottom.
void LayoutSubWindowPages(int recordIndex, int entryIndex);

// Invalidates, without erasing, every direct child with WS_EX_TRANSPARENT.
void InvalidateTransparentChildren(HWND window);

// Left edge of a group-box caption textWidth wide in a sub-window clientRight wide, from
// the alignment bits of its style: centred for BS_CENTER, 10 for BS_LEFT, else 10 from
// the right edge.
float GroupCaptionLeft(LONG style, int clientRight, float textWidth);

}  // namespace skin
