#include "skin/draw/Veil.h"

#include "graphics/GdiHandles.h"
#include "skin/draw/TopDownPixels.h"

namespace skin {

namespace {

std::uint32_t Premultiplied(std::uint32_t argb) {
    const std::uint32_t alpha = argb >> 24;
    auto channel = [&](int shift) { return (((argb >> shift) & 0xFF) * alpha + 127) / 255 << shift; };
    return alpha << 24 | channel(16) | channel(8) | channel(0);
}

// One premultiplied pixel on a DC of its own, blended over as many rectangles as asked.
class VeilPixel {
public:
    explicit VeilPixel(std::uint32_t argb) {
        BITMAPINFO info = TopDownInfo(1, 1);
        void* bits = nullptr;
        if (dc_.adopt(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)) && bits) {
            *static_cast<std::uint32_t*>(bits) = Premultiplied(argb);
            ready_ = true;
        }
    }
    bool over(HDC dc, const RECT& rect) const {
        const int width = rect.right - rect.left;
        const int height = rect.bottom - rect.top;
        if (width <= 0 || height <= 0) return true;
        const BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        return ready_ && AlphaBlend(dc, rect.left, rect.top, width, height, dc_.get(), 0, 0, 1, 1, blend) != FALSE;
    }

private:
    gdi::MemoryDC dc_{nullptr};
    bool ready_ = false;
};

bool Empty(const RECT& rect) { return rect.right <= rect.left || rect.bottom <= rect.top; }

}  // namespace

bool LayVeil(HDC dc, const RECT& rect, std::uint32_t argb) {
    if (!dc) return false;
    if (Empty(rect) || (argb >> 24) == 0) return true;
    return VeilPixel(argb).over(dc, rect);
}

bool LayVeilAround(HDC dc, const RECT& area, const RECT& hole, std::uint32_t argb) {
    RECT inside;
    if (!IntersectRect(&inside, &area, &hole)) return LayVeil(dc, area, argb);
    if (!dc) return false;
    if ((argb >> 24) == 0) return true;
    const RECT strips[] = {{area.left, area.top, area.right, inside.top},
                           {area.left, inside.bottom, area.right, area.bottom},
                           {area.left, inside.top, inside.left, inside.bottom},
                           {inside.right, inside.top, area.right, inside.bottom}};
    const VeilPixel pixel(argb);
    bool laid = true;
    for (const RECT& strip : strips) laid = pixel.over(dc, strip) && laid;
    return laid;
}

}  // namespace skin
