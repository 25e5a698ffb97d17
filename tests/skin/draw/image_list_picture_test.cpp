// An image list's image drawn as a picture looks as the same image taken out as an icon
// does: masked pixels and alpha alike, over any ground.
#include "skin/draw/ImageListPicture.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "graphics/GdiHandles.h"
#include "skin/draw/TopDownPixels.h"
#include "support/Canvas.h"
#include "support/GdiplusSession.h"

namespace {

constexpr int kSize = 16;
constexpr COLORREF kMaskColour = RGB(255, 0, 255);

// A 16 x 16 section whose pixel (x, y) is pixel(x, y), premultiplied where it has alpha.
template <class Pixel>
HBITMAP MakeImage(Pixel pixel) {
    HBITMAP bitmap = skin::CreateTopDownSection(kSize, kSize);
    DIBSECTION section = {};
    if (!bitmap || GetObjectA(bitmap, sizeof(section), &section) != sizeof(section)) return bitmap;
    auto* bits = static_cast<std::uint32_t*>(section.dsBm.bmBits);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) bits[y * kSize + x] = pixel(x, y);
    }
    return bitmap;
}

HIMAGELIST MaskedList() {
    HIMAGELIST list = ImageList_Create(kSize, kSize, ILC_COLOR24 | ILC_MASK, 1, 1);
    // Left half masked out, right half in two colours.
    gdi::Bitmap image(MakeImage([](int x, int y) -> std::uint32_t {
        if (x < kSize / 2) return 0xFF00FF;
        return y < kSize / 2 ? 0x2040C0 : 0xC08020;
    }));
    ImageList_AddMasked(list, image.get(), kMaskColour);
    return list;
}

HIMAGELIST AlphaList() {
    HIMAGELIST list = ImageList_Create(kSize, kSize, ILC_COLOR32, 1, 1);
    // Columns of alpha 0, 64, 128, 192 and 255 over a blue-green colour, premultiplied.
    gdi::Bitmap image(MakeImage([](int x, int) -> std::uint32_t {
        const std::uint32_t alpha = x < 3 ? 0 : x < 6 ? 64 : x < 9 ? 128 : x < 12 ? 192 : 255;
        return alpha << 24 | (alpha * 0x30 / 255) << 16 | (alpha * 0xA0 / 255) << 8 | alpha * 0xE0 / 255;
    }));
    ImageList_Add(list, image.get(), nullptr);
    return list;
}

// The picture drawn on a ground of the given colour.
template <class Draw>
std::uint32_t Shown(Gdiplus::ARGB ground, int x, int y, Draw draw) {
    gx_test::Canvas canvas(kSize, kSize, ground);
    draw(canvas.graphics);
    return canvas.Pixel(x, y);
}

TEST(ImageListPicture, LooksAsTheImageTakenOutAsAnIcon) {
    testing_support::GdiplusSession session;
    struct Case {
        const char* name;
        HIMAGELIST (*make)();
    };
    for (const Case& c : {Case{"masked", MaskedList}, Case{"alpha", AlphaList}}) {
        SCOPED_TRACE(c.name);
        HIMAGELIST list = c.make();
        ASSERT_EQ(1, ImageList_GetImageCount(list));
        const skin::ImageListPicture image(list, 0);
        ASSERT_NE(nullptr, image.picture());
        EXPECT_EQ(static_cast<UINT>(kSize), image.picture()->GetImageWidth());

        HICON icon = ImageList_GetIcon(list, 0, ILD_TRANSPARENT);
        GxBitmap fromIcon;
        ASSERT_TRUE(fromIcon.CreateBitmapFromHICON(icon));
        for (Gdiplus::ARGB ground : {0xFFFFFFFFu, 0xFF000000u, 0xFF808040u}) {
            for (int y = 1; y < kSize; y += 7) {
                for (int x = 1; x < kSize; x += 3) {
                    const auto viaIcon = Shown(ground, x, y, [&](GxGraphics& g) { g.DrawImage(fromIcon, 0, 0); });
                    const auto viaList =
                        Shown(ground, x, y, [&](GxGraphics& g) { g.DrawImage(*image.picture(), 0, 0); });
                    EXPECT_TRUE(gx_test::NearArgb(viaIcon, viaList)) << x << "," << y << " on " << std::hex << ground;
                }
            }
        }
        DestroyIcon(icon);
        ImageList_Destroy(list);
    }
}

TEST(ImageListPicture, NothingForNoListOrAnIndexOutsideIt) {
    testing_support::GdiplusSession session;
    HIMAGELIST list = MaskedList();
    for (int index : {-1, 1, 1000}) EXPECT_EQ(nullptr, skin::ImageListPicture(list, index).picture()) << index;
    EXPECT_EQ(nullptr, skin::ImageListPicture(nullptr, 0).picture());
    ImageList_Destroy(list);
}

}  // namespace
