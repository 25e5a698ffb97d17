#pragma once
// The first picture of a GIF decoded to ARGB pixels without the graphics library, whose
// decode under Wine looks its codec up in the registry (some thirty requests to the
// server) and takes several milliseconds for the editor's background. Only the plain case
// is taken: a first image covering the whole screen, with a colour table and no
// transparent colour, whose data decodes to exactly its pixels. Anything else is left to
// the library, which also decides what a damaged file shows.
#include "skin/core/ByteView.h"
#include "skin/draw/TopDownPixels.h"

namespace skin {

// True with out holding the first image's opaque ARGB pixels, top row first; false (and
// out untouched) for anything outside the plain case.
bool DecodePlainGif(ByteView bytes, PixelCopy& out);

}  // namespace skin
