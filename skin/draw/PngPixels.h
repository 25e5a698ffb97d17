#pragma once
// A PNG decoded to ARGB pixels without the graphics library, whose decode under Wine looks
// its codec up in the registry (some thirty requests to the server, for every caption
// button, check box and arrow picture). Only the plain case is taken: 8-bit RGB or RGBA,
// not interlaced, no chunk that changes the colours (gamma, colour profile, palette,
// transparency key), every checksum right. Anything else is left to the library.
#include "skin/core/ByteView.h"
#include "skin/draw/TopDownPixels.h"

namespace skin {

// True with out holding the picture's ARGB pixels (not premultiplied), top row first;
// false (and out untouched) for anything outside the plain case.
bool DecodePlainPng(ByteView bytes, PixelCopy& out);

}  // namespace skin
