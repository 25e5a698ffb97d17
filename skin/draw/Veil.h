#pragma once
// A see-through colour laid over rectangles of a DC: the veil under every skinned
// control's face. GDI's per-pixel-alpha blend of one premultiplied pixel stretched over
// each rectangle, through the DC's clip. The graphics library's fill of the same colour on
// such a DC ends in that same blend under Wine, after filling, converting and blending
// from a section the size of the rectangle (about a tenth of a millisecond a fill).
#include <windows.h>

#include <cstdint>

namespace skin {

// argb (not premultiplied) over rect; nothing for an empty rect or a clear colour. False
// when the blend could not be made.
bool LayVeil(HDC dc, const RECT& rect, std::uint32_t argb);

// The same over area less hole (a ring when hole lies inside area).
bool LayVeilAround(HDC dc, const RECT& area, const RECT& hole, std::uint32_t argb);

}  // namespace skin
