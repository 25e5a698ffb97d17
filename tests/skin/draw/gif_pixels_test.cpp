#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "embedded_pictures.h"
#include "skin/draw/GifPixels.h"
#include "support/GdiplusSession.h"
#include "support/Pixels.h"

namespace {

// Made with the picture script's own encoder: 5 x 9, four colours in a local table,
// interlaced; a transparent colour; an image smaller than its screen.
const unsigned char kInterlacedLocalTable[] = {
    0x47, 0x49, 0x46, 0x38, 0x37, 0x61, 0x05, 0x00, 0x09, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x05,
    0x00, 0x09, 0x00, 0xC1, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x11, 0x22, 0x33, 0x02, 0x11, 0xC4,
    0x14, 0x60, 0xA8, 0x97, 0x32, 0x40, 0x10, 0x50, 0xC2, 0x81, 0x47, 0xD0, 0x3C, 0xF3, 0x1D, 0x14, 0x00, 0x3B};
const unsigned char kTransparentColour[] = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x04, 0x00, 0x03, 0x00, 0x81, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF,
    0x00, 0x00, 0x00, 0xFF, 0x11, 0x22, 0x33, 0x21, 0xF9, 0x04, 0x01, 0x00, 0x00, 0x01, 0x00, 0x2C, 0x00, 0x00,
    0x00, 0x00, 0x04, 0x00, 0x03, 0x00, 0x00, 0x02, 0x05, 0x44, 0x34, 0x86, 0x3A, 0x05, 0x00, 0x3B};
const unsigned char kSmallerThanScreen[] = {0x47, 0x49, 0x46, 0x38, 0x37, 0x61, 0x05, 0x00, 0x03, 0x00, 0x81,
                                            0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF,
                                            0x11, 0x22, 0x33, 0x2C, 0x01, 0x00, 0x00, 0x00, 0x04, 0x00, 0x03,
                                            0x00, 0x00, 0x02, 0x05, 0x44, 0x34, 0x86, 0x3A, 0x05, 0x00, 0x3B};

// A 60000 x 60000 screen and image: refused before anything is allocated for it.
const unsigned char kHugeScreen[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x60, 0xEA, 0x60, 0xEA, 0x80, 0x00,
                                     0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x2C, 0x00, 0x00, 0x00, 0x00,
                                     0x60, 0xEA, 0x60, 0xEA, 0x00, 0x02, 0x02, 0x4C, 0x01, 0x00, 0x3B};

}  // namespace

// What is decoded without the library is what the library reads back, pixel for pixel.
TEST(DecodePlainGif, GivesTheLibrarysPixels) {
    testing_support::GdiplusSession session;
    const struct {
        const unsigned char* bytes;
        size_t size;
        int width, height;
    } cases[] = {{kBackground, kBackgroundSize, 391, 220},
                 {kInterlacedLocalTable, sizeof(kInterlacedLocalTable), 5, 9}};
    for (const auto& c : cases) {
        skin::PixelCopy decoded;
        ASSERT_TRUE(skin::DecodePlainGif(skin::ByteView(c.bytes, c.size), decoded)) << c.size;
        EXPECT_EQ(decoded.width, c.width);
        EXPECT_EQ(decoded.height, c.height);
        EXPECT_TRUE(decoded.pixels == testing_support::LibraryPixels(c.bytes, c.size)) << c.size;
    }
}

// Whatever is outside the plain case, cut short or damaged is left to the library, and
// never read beyond its end.
TEST(DecodePlainGif, LeavesEverythingElseToTheLibrary) {
    skin::PixelCopy untouched;
    untouched.width = 7;
    const struct {
        const unsigned char* bytes;
        size_t size;
    } refused[] = {{kHugeScreen, sizeof(kHugeScreen)},
                   {kTransparentColour, sizeof(kTransparentColour)},
                   {kSmallerThanScreen, sizeof(kSmallerThanScreen)},
                   {kBackground, 0},
                   {nullptr, 10}};
    for (const auto& r : refused) {
        EXPECT_FALSE(skin::DecodePlainGif(skin::ByteView(r.bytes, r.size), untouched)) << r.size;
        EXPECT_EQ(untouched.width, 7);
    }
    // A file cut short is refused until its first picture is all there, and from then on
    // gives that picture whole.
    std::vector<unsigned char> bytes(kBackground, kBackground + kBackgroundSize);
    skin::PixelCopy whole;
    ASSERT_TRUE(skin::DecodePlainGif(skin::ByteView(bytes.data(), bytes.size()), whole));
    bool decodedShorter = false;
    for (size_t cut = 0; cut < bytes.size(); cut += 97) {
        skin::PixelCopy out;
        const bool decoded = skin::DecodePlainGif(skin::ByteView(bytes.data(), cut), out);
        EXPECT_FALSE(decodedShorter && !decoded) << cut;
        if (decoded) EXPECT_TRUE(out.pixels == whole.pixels) << cut;
        decodedShorter = decodedShorter || decoded;
    }
    // Damaged codes either decode to some picture of the right size or are refused.
    for (size_t at = 800; at < bytes.size(); at += 997) {
        std::vector<unsigned char> damaged = bytes;
        damaged[at] ^= 0x5A;
        skin::PixelCopy out;
        if (skin::DecodePlainGif(skin::ByteView(damaged.data(), damaged.size()), out))
            EXPECT_EQ(out.pixels.size(), 391u * 220u) << at;
    }
}
