#include "skin/draw/TopDownPixels.h"

#include <cstring>

#include "graphics/GdiHandles.h"

namespace skin {

BITMAPINFO TopDownInfo(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

HBITMAP CreateTopDownSection(int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    BITMAPINFO info = TopDownInfo(width, height);
    void* bits = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

PixelCopy CopyPixels(HDC dc, int width, int height) {
    PixelCopy copy;
    HBITMAP bitmap = dc ? static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP)) : nullptr;
    if (!bitmap || width <= 0 || height <= 0) return copy;
    GdiFlush();  // what GDI+ drew must be in the bitmap before it is read
    // Read back in a layout of our own: a section's own header does not tell its row order.
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    BITMAPINFO info = TopDownInfo(width, height);
    if (GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS) != height) {
        return copy;
    }
    copy.width = width;
    copy.height = height;
    copy.pixels = std::move(pixels);
    return copy;
}

bool DrawPixels(const PixelCopy& copy, HDC dc, POINT at) {
    if (!copy || !dc) return false;
    BITMAPINFO info = TopDownInfo(copy.width, copy.height);
    return StretchDIBits(dc, at.x, at.y, copy.width, copy.height, 0, 0, copy.width, copy.height, copy.pixels.data(),
                         &info, DIB_RGB_COLORS, SRCCOPY) != 0;
}

bool DrawPixelsKeyed(const PixelCopy& copy, HDC dc, POINT at, COLORREF keyColour) {
    if (!copy || !dc) return false;
    BITMAPINFO info = TopDownInfo(copy.width, copy.height);
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!section) return false;
    gdi::MemoryDC source(nullptr);
    if (!source.adopt(section)) return false;
    std::memcpy(bits, copy.pixels.data(), copy.pixels.size() * sizeof(std::uint32_t));
    return TransparentBlt(dc, at.x, at.y, copy.width, copy.height, source.get(), 0, 0, copy.width, copy.height,
                          keyColour) != FALSE;
}

}  // namespace skin
