#pragma once
// Faces of the owner-drawn buttons: composed off screen over the skin background and
// copied to the button in one blit.
#include <windows.h>

namespace skin {

// Answers WM_DRAWITEM for a skinned button of the record (1-based registry index):
// picks the face painter by the button entry's kind. Anything that is not a skinned
// button of a live record paints nothing.
void PaintOwnerDrawButton(int recordIndex, const DRAWITEMSTRUCT& item);

// The glossy rounded push-button face for an owner-draw item state (ODS_SELECTED,
// ODS_DISABLED, ODS_FOCUS, ODS_HOTLIGHT) into rect of dc. The caller keeps dc.
void PaintPushButtonFace(HWND button, HDC dc, UINT itemState, const RECT& rect);

}  // namespace skin
