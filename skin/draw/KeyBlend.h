#pragma once
// Pixel passes that lay what a control drew off screen over the veiled background without
// the fringe its own ground would leave round anti-aliased text. Pure functions over rows
// of 32-bit DIB pixels (0xAARRGGBB, the alpha byte ignored); the ground is written in place
// and keeps its own top byte.
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace skin {

// `drawn` was painted on the key colour. A pixel exactly the key leaves the ground as it
// is. A pixel lying between the key and the text colour in every channel is an edge of
// text: it goes over the ground at the coverage it had over the key (per channel, so that
// sub-pixel text keeps its colour fringes). Anything else replaces the ground unchanged.
// With the text colour equal to the key, only the exact key is left out.
void BlendKeyedOver(std::uint32_t* ground, const std::uint32_t* drawn, std::size_t count, COLORREF key, COLORREF text);

// The same drawing made twice, once on a black and once on a white ground, laid over the
// ground: per channel, the two passes give the drawing's colour and how much of the ground
// it lets through (equal in both: opaque; black and white: none of it drawn).
void BlendMattedOver(std::uint32_t* ground, const std::uint32_t* onBlack, const std::uint32_t* onWhite,
                     std::size_t count);

}  // namespace skin
