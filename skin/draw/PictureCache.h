#pragma once
// Decoded pictures kept between paints, so that a paint does not decode the same bytes
// again (a hover repaint or a caption-button fade tick would otherwise decode a PNG per
// call, and a frame rebuild the whole background GIF).
//
// Entries are keyed by the content of the encoded bytes (a copy is kept and compared), so
// new bytes at the address of freed ones never get the old picture. What clears the cache:
//   - setBackground, which replaces the engine-wide picture;
//   - ReleaseFrameResources, which frees a window's own pictures (caption buttons, window
//     picture) together with its record;
//   - the exit routine, before the graphics library shuts down.
// The embedded pictures never change; clearing only costs one decode the next time.
#include <cstddef>
#include <cstdint>
#include <vector>

class GxImage;

namespace skin {

struct PixelCopy;

// The picture decoded from bytes, or null when they do not decode. Owned by the cache.
const GxImage* DecodedPicture(const void* bytes, std::size_t size);
inline const GxImage* DecodedPicture(const std::vector<std::uint8_t>& bytes) {
    return bytes.empty() ? nullptr : DecodedPicture(bytes.data(), bytes.size());
}

// The picture's ARGB pixels, top row first, as the library reads them back; a plain GIF is
// decoded without the library. Null when the bytes do not decode. Owned by the cache.
const PixelCopy* DecodedPixels(const void* bytes, std::size_t size);

// The picture drawn at width x height the way a stretched background is drawn, on a
// transparent 32-bit bitmap. Kept for the last few sizes asked; a resize asks anew.
const GxImage* StretchedPicture(const std::vector<std::uint8_t>& bytes, int width, int height);

// The same picture's premultiplied pixels, or null when the library stretched it (a
// picture that is not a bitmap). Owned by the cache, like the picture.
const PixelCopy* StretchedPixels(const std::vector<std::uint8_t>& bytes, int width, int height);

void ClearPictureCache();

// Decoded and stretched pictures held now, each one object of the graphics library (for
// tests); decoded pixel copies hold none and are not counted.
int CachedPictureCount();

}  // namespace skin
