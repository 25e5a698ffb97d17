// The pixel passes that lay a control's off-screen drawing over the veiled background:
// keyed drawing with soft text edges, a drawing made on black and on white, and keyed copies.
#include "skin/draw/KeyBlend.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "graphics/GdiHandles.h"
#include "skin/draw/TopDownPixels.h"

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kBlackText = RGB(0, 0, 0);
constexpr COLORREF kNavyText = RGB(0, 0, 128);
// Pixels in DIB order, 0xAARRGGBB.
constexpr std::uint32_t kGround = 0x006496C8;  // rgb(100, 150, 200)

struct Keyed {
    const char* what;
    COLORREF text;
    std::uint32_t drawn;
    std::uint32_t expected;
};

const Keyed kKeyed[] = {
    {"the key leaves the ground", kBlackText, 0x00FF00FF, kGround},
    {"the key with an alpha byte too", kBlackText, 0xFFFF00FF, kGround},
    {"full text stays text", kBlackText, 0x00000000, 0x00000000},
    {"a half-covered edge goes half over the ground", kBlackText, 0x00800080, 0x00324B64},
    {"a nearly bare edge is nearly the ground", kBlackText, 0x00FE00FF, 0x006495C8},
    {"a sub-pixel edge keeps its per-channel coverage", kBlackText, 0x00C80078, 0x004E5E5E},
    {"an edge of coloured text", kNavyText, 0x008000C0, 0x00324BA4},
    {"a grey tree line is kept", kBlackText, 0x00A6A6A6, 0x00A6A6A6},
    {"pure red is no edge of black text", kBlackText, 0x00FF0000, 0x00FF0000},
    {"a pixel with green in it is no edge", kBlackText, 0x00800880, 0x00800880},
    {"text in the key colour: the key still leaves the ground", kKey, 0x00FF00FF, kGround},
    {"text in the key colour: anything else is kept", kKey, 0x00800080, 0x00800080},
};

TEST(BlendKeyedOver, KeyShowsTheGroundTextEdgesBlendWithItOtherPixelsStay) {
    for (const Keyed& row : kKeyed) {
        SCOPED_TRACE(row.what);
        std::uint32_t ground = kGround;
        skin::BlendKeyedOver(&ground, &row.drawn, 1, kKey, row.text);
        EXPECT_EQ(row.expected, ground) << std::hex << "got 0x" << ground;
    }
}

struct Matted {
    const char* what;
    std::uint32_t onBlack;
    std::uint32_t onWhite;
    std::uint32_t expected;
};

const Matted kMatted[] = {
    {"the ground the control filled shows the veil", 0x00000000, 0x00FFFFFF, kGround},
    {"equal in both passes is opaque", 0x000000FF, 0x000000FF, 0x000000FF},
    {"a soft text edge lets part of the ground through", 0x00282828, 0x00A7A7A7, 0x005A738C},
    {"an inverted pixel inverts the ground", 0x00FFFFFF, 0x00000000, 0x009B6937},
};

TEST(BlendMattedOver, TwoPassesPartTheDrawingFromItsGround) {
    for (const Matted& row : kMatted) {
        SCOPED_TRACE(row.what);
        std::uint32_t ground = kGround;
        skin::BlendMattedOver(&ground, &row.onBlack, &row.onWhite, 1);
        EXPECT_EQ(row.expected, ground) << std::hex << "got 0x" << ground;
    }
    // The ground keeps its own alpha byte; null rows are left alone.
    std::uint32_t ground = 0xFF000000u | kGround;
    const std::uint32_t black = 0;
    const std::uint32_t white = 0x00FFFFFF;
    skin::BlendMattedOver(&ground, &black, &white, 1);
    EXPECT_EQ(0xFF000000u | kGround, ground);
    skin::BlendMattedOver(&ground, nullptr, &white, 1);
    skin::BlendKeyedOver(&ground, nullptr, 1, kKey, kBlackText);
    EXPECT_EQ(0xFF000000u | kGround, ground);
}

// A keyed copy leaves exactly the pixels TransparentBlt leaves, wherever the key lies,
// through a shifted origin and inside a clip the caller set. (Wine's TransparentBlt also
// compares the alpha byte; the skin's key ignores it, as its blends do.)
TEST(DrawPixelsKeyed, LeavesWhatTransparentBltLeaves) {
    constexpr int kW = 23, kH = 17;
    const struct {
        const char* what;
        bool (*isKey)(int x, int y);
    } layouts[] = {
        {"no key", [](int, int) { return false; }},
        {"all key", [](int, int) { return true; }},
        {"a kept-out hole", [](int x, int y) { return x > 3 && x < 15 && y > 2 && y < 12; }},
        {"scattered", [](int x, int y) { return (x * 7 + y * 3) % 5 == 0; }},
        {"a key column at each edge", [](int x, int) { return x == 0 || x == kW - 1; }},
    };
    const BITMAPINFO info = skin::TopDownInfo(kW + 8, kH + 8);
    for (const auto& layout : layouts) {
        SCOPED_TRACE(layout.what);
        skin::PixelCopy face;
        face.width = kW;
        face.height = kH;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                face.pixels.push_back(layout.isKey(x, y) ? 0x00FF00FFu : 0x00102030u + x * 5 + y);
        std::vector<std::uint32_t> results[2];
        for (int way = 0; way < 2; ++way) {
            void* bits = nullptr;
            gdi::MemoryDC canvas(nullptr);
            ASSERT_TRUE(canvas.adopt(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)));
            auto* pixels = static_cast<std::uint32_t*>(bits);
            for (int i = 0; i < (kW + 8) * (kH + 8); ++i) pixels[i] = 0x00ABCDEFu + i;
            SetViewportOrgEx(canvas.get(), 3, 2, nullptr);
            IntersectClipRect(canvas.get(), 0, 0, kW, kH - 4);  // logical units: leaves the last rows out
            const POINT at = {1, 1};
            if (way == 0) {
                EXPECT_TRUE(skin::DrawPixelsKeyed(face, canvas.get(), at, kKey));
            } else {
                gdi::MemoryDC source(nullptr);
                ASSERT_TRUE(source.adopt(skin::CreateTopDownSection(kW, kH)));
                skin::DrawPixels(face, source.get(), POINT{0, 0});
                TransparentBlt(canvas.get(), at.x, at.y, kW, kH, source.get(), 0, 0, kW, kH, kKey);
            }
            GdiFlush();
            results[way].assign(pixels, pixels + (kW + 8) * (kH + 8));
        }
        int differing = 0, first = -1;
        for (size_t i = 0; i < results[0].size(); ++i)
            if (results[0][i] != results[1][i] && differing++ == 0) first = static_cast<int>(i);
        EXPECT_EQ(0, differing) << "first at x=" << first % (kW + 8) << " y=" << first / (kW + 8) << std::hex
                                << " keyed 0x" << (first >= 0 ? results[0][first] : 0) << " system 0x"
                                << (first >= 0 ? results[1][first] : 0);
    }
    // As in the blends above, the key with an alpha byte is still the key.
    skin::PixelCopy keyWithAlpha;
    keyWithAlpha.width = keyWithAlpha.height = 1;
    keyWithAlpha.pixels = {0xFFFF00FFu};
    gdi::MemoryDC canvas(nullptr);
    ASSERT_TRUE(canvas.adopt(skin::CreateTopDownSection(2, 2)));
    EXPECT_TRUE(skin::DrawPixelsKeyed(keyWithAlpha, canvas.get(), POINT{0, 0}, kKey));
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(canvas.get(), 0, 0));
}

}  // namespace

// A stretched background composed in memory matches the system's fill and per-pixel-alpha
// blend of the same pixels, for opaque, bare and partly covered pixels.
TEST(CompositeOverFill, LeavesWhatFillRectAndAlphaBlendLeave) {
    skin::PixelCopy picture;
    picture.width = 6;
    picture.height = 2;
    picture.pixels = {0xFF102030u, 0x00000000u, 0x80404040u, 0x01010000u, 0xFE7F0080u, 0x40004000u,
                      0xFFFFFFFFu, 0xC0C0C0C0u, 0x20202020u, 0x7F7F7F7Fu, 0x00000000u, 0xFF000000u};
    const COLORREF fill = RGB(200, 150, 100);
    const skin::PixelCopy composed = skin::CompositeOverFill(picture, fill);
    ASSERT_EQ(picture.pixels.size(), composed.pixels.size());

    const BITMAPINFO info = skin::TopDownInfo(picture.width, picture.height);
    void* bits = nullptr;
    gdi::MemoryDC target(nullptr), source(nullptr);
    ASSERT_TRUE(target.adopt(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)));
    ASSERT_TRUE(source.adopt(skin::CreateTopDownSection(picture.width, picture.height)));
    ASSERT_TRUE(skin::DrawPixels(picture, source.get(), POINT{0, 0}));
    const RECT all = {0, 0, picture.width, picture.height};
    const gdi::Brush brush(CreateSolidBrush(fill));
    FillRect(target.get(), &all, brush.get());
    const BLENDFUNCTION over = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ASSERT_TRUE(GdiAlphaBlend(target.get(), 0, 0, picture.width, picture.height, source.get(), 0, 0, picture.width,
                              picture.height, over));
    GdiFlush();
    const auto* expected = static_cast<const std::uint32_t*>(bits);
    for (size_t i = 0; i < composed.pixels.size(); ++i)
        EXPECT_EQ(expected[i], composed.pixels[i]) << std::hex << "pixel " << i << " of 0x" << picture.pixels[i];
    EXPECT_FALSE(skin::CompositeOverFill(skin::PixelCopy{}, fill));
}
