#include "skin/draw/ImageListPicture.h"

#include <algorithm>

#include "graphics/GdiHandles.h"
#include "skin/draw/TopDownPixels.h"

namespace skin {
namespace {

// Larger than any image a header or list shows; guards the buffers against a garbage size.
constexpr int kLargestImage = 256;

int Channel(std::uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

// Premultiplied pixels from the same image drawn over black and over white: a channel that
// came out w over white and b over black was covered (255 - (w - b)) / 255.
std::vector<std::uint32_t> PixelsFromGrounds(const std::vector<std::uint32_t>& overBlack,
                                             const std::vector<std::uint32_t>& overWhite) {
    std::vector<std::uint32_t> pixels(std::min(overBlack.size(), overWhite.size()));
    for (size_t i = 0; i < pixels.size(); ++i) {
        int shown = 0;  // how much of the ground shows, the most any channel says
        for (int shift = 0; shift <= 16; shift += 8) {
            shown = std::max(shown, Channel(overWhite[i], shift) - Channel(overBlack[i], shift));
        }
        const int alpha = 255 - shown;
        std::uint32_t pixel = static_cast<std::uint32_t>(alpha) << 24;
        // A premultiplied channel never exceeds its alpha.
        for (int shift = 0; shift <= 16; shift += 8) {
            pixel |= static_cast<std::uint32_t>(std::min(Channel(overBlack[i], shift), alpha)) << shift;
        }
        pixels[i] = pixel;
    }
    return pixels;
}

}  // namespace

ImageListPicture::ImageListPicture(HIMAGELIST list, int image) {
    if (!list || image < 0 || image >= ImageList_GetImageCount(list)) return;
    int width = 0;
    int height = 0;
    if (!ImageList_GetIconSize(list, &width, &height)) return;
    if (width <= 0 || height <= 0 || width > kLargestImage || height > kLargestImage) return;

    gdi::MemoryDC dc(nullptr);
    if (!dc || !dc.adopt(CreateTopDownSection(width, height))) return;
    // The section starts black.
    if (!ImageList_Draw(list, image, dc.get(), 0, 0, ILD_TRANSPARENT)) return;
    const PixelCopy overBlack = CopyPixels(dc.get(), width, height);
    if (!PatBlt(dc.get(), 0, 0, width, height, WHITENESS) ||
        !ImageList_Draw(list, image, dc.get(), 0, 0, ILD_TRANSPARENT)) {
        return;
    }
    const PixelCopy overWhite = CopyPixels(dc.get(), width, height);
    if (!overBlack || !overWhite) return;

    pixels_ = PixelsFromGrounds(overBlack.pixels, overWhite.pixels);
    made_ = bitmap_.CreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppPARGB,
                                          reinterpret_cast<BYTE*>(pixels_.data()));
}

std::string ImageListPicture::bytes() const {
    if (!made_) return std::string();
    return std::string(reinterpret_cast<const char*>(pixels_.data()), pixels_.size() * sizeof(pixels_[0]));
}

}  // namespace skin
