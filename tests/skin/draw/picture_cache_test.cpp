// Kept decodes are found by the bytes' content: other bytes of the same size at the same
// address (as after a freed picture) decode anew, and equal bytes anywhere share a decode.
#include "skin/draw/PictureCache.h"

#include "skin/draw/BilinearStretch.h"
#include "skin/draw/TopDownPixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "embedded_pictures.h"
#include "graphics/GxGraphics.h"
#include "graphics/GxImage.h"
#include "support/Canvas.h"
#include "support/GdiplusSession.h"

namespace {

// The top-left pixel of the picture drawn on white: black for the down arrow, whose top
// row is full, white for the up arrow, whose top row is its tip.
Gdiplus::ARGB TopLeft(const GxImage* picture) {
    gx_test::Canvas canvas(8, 8);
    canvas.graphics.DrawImageRect(*picture, 0, 0, 7, 4);
    return canvas.Pixel(0, 0);
}

TEST(PictureCache, NewBytesAtTheSameAddressAndSizeGetTheirOwnPicture) {
    testing_support::GdiplusSession session;
    skin::ClearPictureCache();
    // Trailing bytes after a PNG's end are ignored, so both fit one buffer of one size.
    std::vector<unsigned char> buffer(256, 0);
    std::memcpy(buffer.data(), kUpdownDown, kUpdownDownSize);
    const GxImage* down = skin::DecodedPicture(buffer.data(), buffer.size());
    ASSERT_NE(nullptr, down);
    EXPECT_TRUE(testing_support::NearArgb(0xFF000000, TopLeft(down)));
    const skin::PixelCopy* downPixels = skin::DecodedPixels(buffer.data(), buffer.size());
    ASSERT_NE(nullptr, downPixels);
    EXPECT_EQ(0xFF000000u, downPixels->pixels[0] & 0xFF000000u);

    std::fill(buffer.begin(), buffer.end(), 0);
    std::memcpy(buffer.data(), kUpdownUp, kUpdownUpSize);
    const GxImage* up = skin::DecodedPicture(buffer.data(), buffer.size());
    ASSERT_NE(nullptr, up);
    EXPECT_TRUE(testing_support::NearArgb(0xFFFFFFFF, TopLeft(up)));
    const skin::PixelCopy* upPixels = skin::DecodedPixels(buffer.data(), buffer.size());
    ASSERT_NE(nullptr, upPixels);
    EXPECT_EQ(0u, upPixels->pixels[0] & 0xFF000000u);  // the tip's row starts see-through
    EXPECT_EQ(2, skin::CachedPictureCount());

    // The same bytes elsewhere are the same picture.
    const std::vector<unsigned char> copy = buffer;
    EXPECT_EQ(up, skin::DecodedPicture(copy.data(), copy.size()));
    EXPECT_EQ(2, skin::CachedPictureCount());
    skin::ClearPictureCache();
}

// The background stretched by the skin's own resampling gives the pixels the graphics
// library gives, up to one step of rounding, at sizes up and down; so does a picture whose
// pixels are partly see-through, which takes the alpha-weighted blend.
TEST(BilinearStretch, MatchesTheGraphicsLibrarysStretch) {
    testing_support::GdiplusSession session;
    GxImage background;
    ASSERT_TRUE(background.LoadImageFromStream(kBackground, kBackgroundSize));
    std::vector<std::uint32_t> opaquePixels;
    ASSERT_TRUE(background.ReadArgbPixels(opaquePixels));
    const int sw = static_cast<int>(background.GetImageWidth());
    const int sh = static_cast<int>(background.GetImageHeight());
    std::vector<std::uint32_t> translucentPixels = opaquePixels;
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x) {
            std::uint32_t& p = translucentPixels[static_cast<size_t>(y) * sw + x];
            p = (p & 0x00FFFFFF) | static_cast<std::uint32_t>((x * 7 + y * 3) % 256) << 24;
        }
    GxBitmap translucent;
    ASSERT_TRUE(translucent.CreateBitmapFromScan0(sw, sh, sw * 4, PixelFormat32bppARGB,
                                                  reinterpret_cast<BYTE*>(translucentPixels.data())));
    const struct {
        const GxImage* picture;
        const std::vector<std::uint32_t>* pixels;
    } sources[] = {{&background, &opaquePixels}, {&translucent, &translucentPixels}};
    const SIZE sizes[] = {{825, 405}, {97, 61}, {391, 220}};
    for (const auto& source : sources)
        for (const SIZE& size : sizes) {
            GxBitmap library;
            ASSERT_TRUE(library.CreateBitmap(size.cx, size.cy, PixelFormat32bppPARGB));
            {
                GxGraphics surface;
                ASSERT_TRUE(surface.GetImageGraphicsContext(library));
                surface.DrawImageRect(*source.picture, 0, 0, static_cast<float>(size.cx), static_cast<float>(size.cy));
            }
            std::vector<std::uint32_t> expected;
            ASSERT_TRUE(library.ReadArgbPixels(expected));
            const std::vector<std::uint32_t> stretched =
                skin::StretchBilinear(*source.pixels, sw, sh, size.cx, size.cy);
            ASSERT_EQ(expected.size(), stretched.size());
            int worst = 0;
            for (size_t i = 0; i < stretched.size(); ++i) {
                // expected is read back unpremultiplied; compare both premultiplied.
                const std::uint32_t alpha = expected[i] >> 24;
                for (int shift = 0; shift < 32; shift += 8) {
                    int want = static_cast<int>((expected[i] >> shift) & 0xFF);
                    if (shift < 24) want = static_cast<int>((static_cast<std::uint32_t>(want) * alpha + 127) / 255);
                    worst = std::max(worst, std::abs(want - static_cast<int>((stretched[i] >> shift) & 0xFF)));
                }
            }
            EXPECT_LE(worst, 1) << size.cx << "x" << size.cy
                                << (source.pixels == &opaquePixels ? " opaque" : " see-through");
        }
}

}  // namespace
