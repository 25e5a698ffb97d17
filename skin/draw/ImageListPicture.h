#pragma once
// One image of an image list as a picture GDI+ can draw, with the image's own transparency
// (its mask, or its alpha). The image is drawn twice, over black and over white, and the
// difference tells how much of the ground shows through each pixel. Taking the image out as
// an icon instead costs about a dozen window-server requests under Wine, on every paint.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/GxImage.h"

namespace skin {

class ImageListPicture {
public:
    // Nothing when the list is null, the index is outside it, or the image cannot be drawn.
    ImageListPicture(HIMAGELIST list, int image);
    ImageListPicture(const ImageListPicture&) = delete;
    ImageListPicture& operator=(const ImageListPicture&) = delete;

    const GxBitmap* picture() const { return made_ ? &bitmap_ : nullptr; }
    // The picture's premultiplied pixels, top row first, as bytes: empty when there is none.
    // What a kept face drawn from the image is told apart by.
    std::string bytes() const;

private:
    // Declared before the bitmap, which reads them for as long as it lives.
    std::vector<std::uint32_t> pixels_;
    GxBitmap bitmap_;
    bool made_ = false;
};

}  // namespace skin
