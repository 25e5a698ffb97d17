// Kept decodes are found by the bytes' content: other bytes of the same size at the same
// address (as after a freed picture) decode anew, and equal bytes anywhere share a decode.
#include "skin/draw/PictureCache.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "embedded_pictures.h"
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

    std::fill(buffer.begin(), buffer.end(), 0);
    std::memcpy(buffer.data(), kUpdownUp, kUpdownUpSize);
    const GxImage* up = skin::DecodedPicture(buffer.data(), buffer.size());
    ASSERT_NE(nullptr, up);
    EXPECT_TRUE(testing_support::NearArgb(0xFFFFFFFF, TopLeft(up)));
    EXPECT_EQ(2, skin::CachedPictureCount());

    // The same bytes elsewhere are the same picture.
    const std::vector<unsigned char> copy = buffer;
    EXPECT_EQ(up, skin::DecodedPicture(copy.data(), copy.size()));
    EXPECT_EQ(2, skin::CachedPictureCount());
    skin::ClearPictureCache();
}

}  // namespace
