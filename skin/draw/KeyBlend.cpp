#include "skin/draw/KeyBlend.h"

#include <algorithm>
#include <cstdlib>

namespace skin {
namespace {

// What GDI's rounding of a blend may put a channel beside the exact mix.
constexpr int kTolerance = 3;
// Where key and text lie closer than this in a channel, that channel says nothing about
// how much text covers the pixel; it only has to lie between them.
constexpr int kMinSpan = 24;
// How unevenly (of 255) the three channels of one edge pixel may be covered: sub-pixel text
// covers neighbouring channels differently, a picture's pure red or blue on the key colour
// differs by all of it.
constexpr int kMaxSpread = 160;

constexpr int kChannels = 3;

int ChannelOf(std::uint32_t pixel, int channel) { return static_cast<int>((pixel >> (8 * channel)) & 0xFFu); }

// COLORREF (0x00BBGGRR) in DIB order (0x00RRGGBB).
std::uint32_t DibColour(COLORREF colour) {
    return (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(colour)) << 8) | GetBValue(colour);
}

std::uint32_t WithChannels(std::uint32_t ground, const int (&channels)[kChannels]) {
    std::uint32_t pixel = ground & 0xFF000000u;
    for (int c = 0; c < kChannels; ++c) pixel |= static_cast<std::uint32_t>(channels[c]) << (8 * c);
    return pixel;
}

int Mix(int over, int under, int alpha) { return (over * alpha + under * (255 - alpha) + 127) / 255; }

// The text's coverage (0..255) of each channel of an edge pixel; false when the pixel is
// no mix of key and text.
bool EdgeCoverage(std::uint32_t pixel, std::uint32_t key, std::uint32_t text, int (&coverage)[kChannels]) {
    bool known[kChannels] = {};
    int lowest = 255;
    int highest = 0;
    int sum = 0;
    int counted = 0;
    for (int c = 0; c < kChannels; ++c) {
        const int p = ChannelOf(pixel, c);
        const int k = ChannelOf(key, c);
        const int t = ChannelOf(text, c);
        if (p < std::min(k, t) - kTolerance || p > std::max(k, t) + kTolerance) return false;
        const int span = t - k;
        if (std::abs(span) < kMinSpan) continue;
        coverage[c] = std::clamp(((p - k) * 255 + span / 2) / span, 0, 255);
        known[c] = true;
        lowest = std::min(lowest, coverage[c]);
        highest = std::max(highest, coverage[c]);
        sum += coverage[c];
        ++counted;
    }
    if (counted == 0 || highest - lowest > kMaxSpread) return false;
    for (int c = 0; c < kChannels; ++c) {
        if (!known[c]) coverage[c] = (sum + counted / 2) / counted;
    }
    return true;
}

}  // namespace

void BlendKeyedOver(std::uint32_t* ground, const std::uint32_t* drawn, std::size_t count, COLORREF key, COLORREF text) {
    if (!ground || !drawn) return;
    const std::uint32_t keyPixel = DibColour(key);
    const std::uint32_t textPixel = DibColour(text);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t pixel = drawn[i] & 0x00FFFFFFu;
        if (pixel == keyPixel) continue;
        int coverage[kChannels] = {};
        if (!EdgeCoverage(pixel, keyPixel, textPixel, coverage)) {
            ground[i] = (ground[i] & 0xFF000000u) | pixel;
            continue;
        }
        int mixed[kChannels] = {};
        for (int c = 0; c < kChannels; ++c) {
            mixed[c] = Mix(ChannelOf(textPixel, c), ChannelOf(ground[i], c), coverage[c]);
        }
        ground[i] = WithChannels(ground[i], mixed);
    }
}

void BlendMattedOver(std::uint32_t* ground, const std::uint32_t* onBlack, const std::uint32_t* onWhite,
                     std::size_t count) {
    if (!ground || !onBlack || !onWhite) return;
    for (std::size_t i = 0; i < count; ++i) {
        int mixed[kChannels] = {};
        for (int c = 0; c < kChannels; ++c) {
            // Linear in the ground: on black it is b, on white w, so on g it is b + (w - b) g / 255.
            const int b = ChannelOf(onBlack[i], c);
            const int w = ChannelOf(onWhite[i], c);
            const int g = ChannelOf(ground[i], c);
            mixed[c] = std::clamp((b * 255 + (w - b) * g + 127) / 255, 0, 255);
        }
        ground[i] = WithChannels(ground[i], mixed);
    }
}

}  // namespace skin
