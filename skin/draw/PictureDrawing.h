#pragma once
// The program's own pictures (check boxes, arrows) drawn at their pixel size on whole
// pixels. A picture placed at a half pixel is resampled: under Wine the combo arrow's top
// row then shrinks from 7 pixels to 6 and its tip smears. Positions are rounded down.
#include <cstddef>

class GxGraphics;
class GxImage;

namespace skin {

// The picture's top-left corner at (x, y), rounded down.
void DrawPictureAt(GxGraphics& surface, const GxImage& picture, float x, float y);

// The encoded picture, decoded through the picture cache; nothing when it does not decode.
void DrawPictureAt(GxGraphics& surface, const void* bytes, std::size_t size, float x, float y);

// Centred in the box whose corner is (x, y), rounded down as above.
void DrawPictureCentred(GxGraphics& surface, const void* bytes, std::size_t size, float x, float y, float width,
                        float height);

}  // namespace skin
