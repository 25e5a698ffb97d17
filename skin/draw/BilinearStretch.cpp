#include "skin/draw/BilinearStretch.h"

#include <cstddef>

namespace skin {

namespace {

// Where a destination pixel samples along one axis: between source pixels low and high
// (the same one when it falls on it), pos steps of 1/255 of the way from low to high.
struct Tap {
    int low;
    int high;
    std::uint32_t pos;
};

// Worked out once per column and once per row, not once per pixel, and in whole numbers:
// i * sourceSize / destSize exactly, its fraction rounded to the nearest 1/255, half up.
std::vector<Tap> Taps(int sourceSize, int destSize) {
    std::vector<Tap> taps(static_cast<std::size_t>(destSize));
    for (int i = 0; i < destSize; ++i) {
        const long long scaled = static_cast<long long>(i) * sourceSize;
        const int low = static_cast<int>(scaled / destSize);
        const long long rest = scaled % destSize;
        const auto pos = static_cast<std::uint32_t>((rest * 510 + destSize) / (2LL * destSize));
        taps[static_cast<std::size_t>(i)] = {low, rest ? low + 1 : low, pos};
    }
    return taps;
}

// Both opaque, the alpha weights are 255 * (255 - pos) and 255 * pos, so each channel is
// (s * (255 - pos) + e * pos) / 255. Red and blue are worked side by side, 16 bits each,
// and v / 255 is (v + 1 + (v >> 8)) >> 8, exact for every v up to 255 * 255.
inline std::uint32_t BlendOpaque(std::uint32_t start, std::uint32_t end, std::uint32_t pos) {
    const std::uint32_t back = 255 - pos;
    std::uint32_t rb = (start & 0x00ff00ffu) * back + (end & 0x00ff00ffu) * pos;
    rb = ((rb + 0x00010001u + ((rb >> 8) & 0x00ff00ffu)) >> 8) & 0x00ff00ffu;
    std::uint32_t g = ((start >> 8) & 0xffu) * back + ((end >> 8) & 0xffu) * pos;
    g = (g + 1 + (g >> 8)) >> 8;
    return 0xff000000u | rb | g << 8;
}

// Any pair: each neighbour weighted by its alpha.
std::uint32_t BlendWeighted(std::uint32_t start, std::uint32_t end, std::uint32_t pos) {
    const int startA = static_cast<int>((start >> 24) & 0xff) * static_cast<int>(pos ^ 0xff);
    const int endA = static_cast<int>((end >> 24) & 0xff) * static_cast<int>(pos);
    const int finalA = startA + endA;
    if (finalA < 0xff) return 0;
    auto channel = [&](int shift) {
        return static_cast<std::uint32_t>(
            (static_cast<int>((start >> shift) & 0xff) * startA + static_cast<int>((end >> shift) & 0xff) * endA) /
            finalA);
    };
    return static_cast<std::uint32_t>(finalA / 0xff) << 24 | channel(16) << 16 | channel(8) << 8 | channel(0);
}

inline std::uint32_t BlendSteps(std::uint32_t start, std::uint32_t end, std::uint32_t pos) {
    return (start & end) >> 24 == 0xff ? BlendOpaque(start, end, pos) : BlendWeighted(start, end, pos);
}

inline std::uint32_t Premultiplied(std::uint32_t c) {
    const std::uint32_t a = c >> 24;
    if (a == 0xff) return c;
    auto pre = [&](int shift) { return ((((c >> shift) & 0xff) * a + 127) / 255) << shift; };
    return a << 24 | pre(16) | pre(8) | pre(0);
}

}  // namespace

std::vector<std::uint32_t> StretchBilinear(const std::vector<std::uint32_t>& source, int sw, int sh, int dw, int dh) {
    if (dw <= 0 || dh <= 0) return {};
    std::vector<std::uint32_t> out(static_cast<std::size_t>(dw) * static_cast<std::size_t>(dh), 0);
    if (sw <= 0 || sh <= 0 || source.size() < static_cast<std::size_t>(sw) * static_cast<std::size_t>(sh)) return out;
    const std::vector<Tap> columns = Taps(sw, dw);
    const std::vector<Tap> rows = Taps(sh, dh);
    // Beyond the last row or column the source is transparent.
    const std::vector<std::uint32_t> clear(static_cast<std::size_t>(sw), 0);
    // Each source row is blended across once, into one of two lines that the destination
    // rows between it and its neighbour then share.
    std::vector<std::uint32_t> across[2] = {std::vector<std::uint32_t>(static_cast<std::size_t>(dw)),
                                            std::vector<std::uint32_t>(static_cast<std::size_t>(dw))};
    int acrossRow[2] = {-1, -1};
    auto blendedAcross = [&](int y) -> const std::uint32_t* {
        for (int i = 0; i < 2; ++i)
            if (acrossRow[i] == y) return across[i].data();
        // The line not in use for the other row of this destination row is the one to reuse.
        const int slot = acrossRow[0] < acrossRow[1] ? 0 : 1;
        acrossRow[slot] = y;
        const std::uint32_t* from = y < sh ? source.data() + static_cast<std::size_t>(y) * sw : clear.data();
        std::uint32_t* to = across[slot].data();
        for (int x = 0; x < dw; ++x) {
            const Tap& column = columns[static_cast<std::size_t>(x)];
            to[x] = BlendSteps(from[column.low], column.high < sw ? from[column.high] : 0u, column.pos);
        }
        return to;
    };
    for (int y = 0; y < dh; ++y) {
        const Tap& row = rows[static_cast<std::size_t>(y)];
        const std::uint32_t* upper = blendedAcross(row.low);
        std::uint32_t* target = out.data() + static_cast<std::size_t>(y) * dw;
        if (row.low == row.high) {
            for (int x = 0; x < dw; ++x) target[x] = Premultiplied(upper[x]);
            continue;
        }
        const std::uint32_t* lower = blendedAcross(row.high);
        for (int x = 0; x < dw; ++x) target[x] = Premultiplied(BlendSteps(upper[x], lower[x], row.pos));
    }
    return out;
}

}  // namespace skin
