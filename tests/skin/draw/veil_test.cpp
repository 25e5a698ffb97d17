#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "graphics/GdiHandles.h"
#include "graphics/GxGraphics.h"
#include "graphics/GxPenBrush.h"
#include "skin/draw/TopDownPixels.h"
#include "skin/draw/Veil.h"
#include "support/GdiplusSession.h"

namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 24;

// A section holding premultiplied pixels of every alpha.
gdi::MemoryDC Ground() {
    gdi::MemoryDC dc(nullptr);
    dc.adopt(skin::CreateTopDownSection(kWidth, kHeight));
    std::uint32_t pixels[kWidth * kHeight];
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const std::uint32_t a = (x * 37 + y * 11) & 0xFF;
            auto channel = [&](int seed) { return a * static_cast<std::uint32_t>((x * seed + y * 3) & 0xFF) / 255; };
            pixels[y * kWidth + x] = a << 24 | channel(5) << 16 | channel(9) << 8 | channel(13);
        }
    const BITMAPINFO info = skin::TopDownInfo(kWidth, kHeight);
    SetDIBits(dc.get(), dc.bitmap(), 0, kHeight, pixels, &info, DIB_RGB_COLORS);
    return dc;
}

}  // namespace

// The veil laid with GDI's blend gives the pixels the graphics library's fill of the same
// colour gives, over every alpha, for clear, faint, half and opaque colours, over a
// rectangle and over a ring.
TEST(LayVeil, MatchesTheGraphicsLibrarysFill) {
    testing_support::GdiplusSession session;
    const RECT area = {3, 2, 60, 22};
    const RECT hole = {10, 6, 50, 18};
    const std::uint32_t colours[] = {0x00FFFFFF, 0x01FF0000, 0x64FFFFFF, 0x80123456, 0xFE000000, 0xFFFFFFFF};
    for (std::uint32_t colour : colours)
        for (bool ring : {false, true}) {
            gdi::MemoryDC library = Ground();
            gdi::MemoryDC laid = Ground();
            {
                GxGraphics g;
                GxSolidBrush brush;
                ASSERT_TRUE(g.CreateFromHDC(library.get()) && brush.CreateSolidFill(colour));
                g.SetClipRect(static_cast<float>(area.left), static_cast<float>(area.top),
                              static_cast<float>(area.right - area.left), static_cast<float>(area.bottom - area.top));
                if (ring)
                    g.SetClipRect(static_cast<float>(hole.left), static_cast<float>(hole.top),
                                  static_cast<float>(hole.right - hole.left),
                                  static_cast<float>(hole.bottom - hole.top), Gdiplus::CombineModeXor);
                g.FillRectangleI(brush, 0, 0, kWidth, kHeight);
            }
            ASSERT_TRUE(ring ? skin::LayVeilAround(laid.get(), area, hole, colour)
                             : skin::LayVeil(laid.get(), area, colour));
            const skin::PixelCopy want = skin::CopyPixels(library.get(), kWidth, kHeight);
            const skin::PixelCopy got = skin::CopyPixels(laid.get(), kWidth, kHeight);
            ASSERT_EQ(want.pixels.size(), got.pixels.size());
            int worst = 0;
            for (size_t i = 0; i < got.pixels.size(); ++i)
                for (int shift = 0; shift < 32; shift += 8)
                    worst = std::max(worst, std::abs(static_cast<int>((want.pixels[i] >> shift) & 0xFF) -
                                                     static_cast<int>((got.pixels[i] >> shift) & 0xFF)));
            EXPECT_LE(worst, 1) << std::hex << colour << (ring ? " ring" : "");
        }
}
