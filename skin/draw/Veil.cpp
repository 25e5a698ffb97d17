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

}  // namespace

bool LayVeil(HDC dc, const RECT& rect, std::uint32_t argb) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (!dc) return false;
    if (width <= 0 || height <= 0 || (argb >> 24) == 0) return true;
    BITMAPINFO info = TopDownInfo(1, 1);
    void* bits = nullptr;
    gdi::MemoryDC pixel(nullptr);
    if (!pixel.adopt(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)) || !bits) return false;
    *static_cast<std::uint32_t*>(bits) = Premultiplied(argb);
    const BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return AlphaBlend(dc, rect.left, rect.top, width, height, pixel.get(), 0, 0, 1, 1, blend) != FALSE;
}

bool LayVeilAround(HDC dc, const RECT& area, const RECT& hole, std::uint32_t argb) {
    RECT inside;
    if (!IntersectRect(&inside, &area, &hole)) return LayVeil(dc, area, argb);
    const RECT strips[] = {{area.left, area.top, area.right, inside.top},
                           {area.left, inside.bottom, area.right, area.bottom},
                           {area.left, inside.top, inside.left, inside.bottom},
                           {inside.right, inside.top, area.right, inside.bottom}};
    bool laid = true;
    for (const RECT& strip : strips) laid = LayVeil(dc, strip, argb) && laid;
    return laid;
}

}  // namespace skin
