#include "skin/draw/BilinearStretch.h"

#include <cmath>
#include <cstddef>

namespace skin {

// Each pair of neighbours blended in steps of 1/255, weighted by their alpha.
namespace {

std::uint32_t BlendSteps(std::uint32_t start, std::uint32_t end, float position) {
    const int pos = static_cast<int>(position * 255.0f + 0.5f);
    const int startA = static_cast<int>((start >> 24) & 0xff) * (pos ^ 0xff);
    const int endA = static_cast<int>((end >> 24) & 0xff) * pos;
    const int finalA = startA + endA;
    if (finalA < 0xff) return 0;
    auto channel = [&](int shift) {
        return static_cast<std::uint32_t>(
            (static_cast<int>((start >> shift) & 0xff) * startA + static_cast<int>((end >> shift) & 0xff) * endA) /
            finalA);
    };
    return static_cast<std::uint32_t>(finalA / 0xff) << 24 | channel(16) << 16 | channel(8) << 8 | channel(0);
}

}  // namespace

std::vector<std::uint32_t> StretchBilinear(const std::vector<std::uint32_t>& source, int sw, int sh, int dw, int dh) {
    std::vector<std::uint32_t> out(static_cast<std::size_t>(dw) * static_cast<std::size_t>(dh), 0);
    const float sx = static_cast<float>(sw) / static_cast<float>(dw);
    const float sy = static_cast<float>(sh) / static_cast<float>(dh);
    auto at = [&](int x, int y) -> std::uint32_t {
        if (x < 0 || y < 0 || x >= sw || y >= sh) return 0;
        return source[static_cast<std::size_t>(y) * sw + x];
    };
    for (int y = 0; y < dh; ++y) {
        const float py = static_cast<float>(y) * sy;
        const float topf = std::floor(py);
        const int top = static_cast<int>(topf);
        const int bottom = static_cast<int>(std::ceil(py));
        for (int x = 0; x < dw; ++x) {
            const float px = static_cast<float>(x) * sx;
            const float leftf = std::floor(px);
            const int left = static_cast<int>(leftf);
            const int right = static_cast<int>(std::ceil(px));
            std::uint32_t c;
            if (left == right && top == bottom) {
                c = at(left, top);
            } else {
                const std::uint32_t upper = BlendSteps(at(left, top), at(right, top), px - leftf);
                const std::uint32_t lower = BlendSteps(at(left, bottom), at(right, bottom), px - leftf);
                c = BlendSteps(upper, lower, py - topf);
            }
            const std::uint32_t a = c >> 24;
            auto pre = [&](int shift) { return ((((c >> shift) & 0xff) * a + 127) / 255) << shift; };
            out[static_cast<std::size_t>(y) * dw + x] = a << 24 | pre(16) | pre(8) | pre(0);
        }
    }
    return out;
}

}  // namespace skin
