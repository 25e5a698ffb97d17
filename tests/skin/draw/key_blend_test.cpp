// The pixel passes that lay a control's off-screen drawing over the veiled background:
// keyed drawing with soft text edges, and a drawing made on black and on white.
#include "skin/draw/KeyBlend.h"

#include <gtest/gtest.h>

#include <cstdint>

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

}  // namespace
