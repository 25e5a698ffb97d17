#pragma once
// The two treatments a window's background picture gets when a window is taken over: a
// theme colour sampled from it, and a copy faded into a colour along two edges.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/core/ByteView.h"

namespace skin {

// The average colour of `samples` pixels at fixed pseudo-random positions, as a COLORREF
// with 0xFF in the top byte. The picture is read from path when path is not empty, else
// from the bytes. Margins above 0 restrict sampling to the right / bottom strip of that
// width. A picture that does not decode, is 1 pixel wide or high, or a sample count
// below 1 gives 0.
COLORREF AverageImageColour(ByteView picture, int samples, int marginX, int marginY, const std::string& path = {});

// The picture with a band faded into `colour` along the right (or, when leftFadeWanted
// and not keepRightFade, the left) edge and along the bottom edge, encoded as PNG.
// Without fadeGiven the band is 30 % of the width. Empty when the picture does not decode.
std::vector<uint8_t> BuildFadedImage(ByteView picture, int fade, bool fadeGiven, COLORREF colour, bool keepRightFade,
                                     bool leftFadeWanted, const std::string& path = {});

}  // namespace skin
