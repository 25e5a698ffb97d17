#pragma once
// The looks of skinned check boxes and automatic radio buttons: glyph and caption drawn
// over the skin background under the control, then copied onto it in one blit. The
// control's own procedure still keeps the check state; the painters ask it for that.
#include <windows.h>

namespace skin {

// Paints the whole client area at once. Of the owner-draw item state only ODS_HOTLIGHT
// (the hover tint and glow) changes the picture. A window that is not a skinned button
// is left alone.
void PaintCheckBox(HWND checkBox, UINT itemState);
void PaintRadioButton(HWND radioButton, UINT itemState);

}  // namespace skin
