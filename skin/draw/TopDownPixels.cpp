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

PixelCopy CompositeOverFill(const PixelCopy& premultiplied, COLORREF colour) {
    PixelCopy out;
    if (!premultiplied) return out;
    out.width = premultiplied.width;
    out.height = premultiplied.height;
    const std::uint32_t fill = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    out.pixels.resize(premultiplied.pixels.size());
    const std::uint32_t* source = premultiplied.pixels.data();
    std::uint32_t* target = out.pixels.data();
    for (size_t i = 0, n = out.pixels.size(); i < n; ++i) {
        const std::uint32_t s = source[i];
        const std::uint32_t a = s >> 24;
        if (a == 255) {
            target[i] = s;
            continue;
        }
        // Each byte: source + (fill * (255 - alpha) + 127) / 255, the fill's alpha byte zero.
        std::uint32_t blended = s & 0xff000000u;
        for (int shift = 0; shift < 24; shift += 8) {
            const std::uint32_t value = ((s >> shift) & 0xff) + (((fill >> shift) & 0xff) * (255 - a) + 127) / 255;
            blended |= (value > 255 ? 255 : value) << shift;
        }
        target[i] = blended;
    }
    return out;
}

bool DrawPixels(const PixelCopy& copy, HDC dc, POINT at) {
    if (!copy || !dc) return false;
    BITMAPINFO info = TopDownInfo(copy.width, copy.height);
    return StretchDIBits(dc, at.x, at.y, copy.width, copy.height, 0, 0, copy.width, copy.height, copy.pixels.data(),
                         &info, DIB_RGB_COLORS, SRCCOPY) != 0;
}

namespace {

// The pixels that are not the key, as rectangles of runs; rows with the same runs share one band.
std::vector<RECT> KeptRuns(const PixelCopy& copy, COLORREF keyColour) {
    const std::uint32_t key = (GetRValue(keyColour) << 16) | (GetGValue(keyColour) << 8) | GetBValue(keyColour);
    std::vector<RECT> rects;
    size_t bandStart = 0;  // the previous row's runs are rects[bandStart..]
    for (int y = 0; y < copy.height; ++y) {
        const std::uint32_t* row = copy.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(copy.width);
        const size_t rowStart = rects.size();
        for (int x = 0; x < copy.width;) {
            if ((row[x] & 0xFFFFFFu) == key) {
                ++x;
                continue;
            }
            const int left = x;
            while (x < copy.width && (row[x] & 0xFFFFFFu) != key) ++x;
            rects.push_back(RECT{left, y, x, y + 1});
        }
        const size_t count = rects.size() - rowStart;
        bool same = y > 0 && count == rowStart - bandStart;
        for (size_t i = 0; same && i < count; ++i) {
            same = rects[bandStart + i].left == rects[rowStart + i].left &&
                   rects[bandStart + i].right == rects[rowStart + i].right;
        }
        if (same) {
            for (size_t i = 0; i < count; ++i) rects[bandStart + i].bottom = y + 1;
            rects.resize(rowStart);
        } else {
            bandStart = rowStart;
        }
    }
    return rects;
}

gdi::Region RegionOf(const std::vector<RECT>& rects, POINT offset) {
    std::vector<char> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(rects.size());
    RECT bounds = {};
    auto* out = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    for (size_t i = 0; i < rects.size(); ++i) {
        out[i] = rects[i];
        OffsetRect(&out[i], offset.x, offset.y);
        UnionRect(&bounds, &bounds, &out[i]);
    }
    header->rcBound = bounds;
    return gdi::Region(
        ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data())));
}

}  // namespace

// A clip made of the kept runs gives TransparentBlt's pixels; Wine's TransparentBlt builds
// masks on every call, which costs far more than the copy itself.
bool DrawPixelsKeyed(const PixelCopy& copy, HDC dc, POINT at, COLORREF keyColour) {
    if (!copy || !dc) return false;
    const std::vector<RECT> runs = KeptRuns(copy, keyColour);
    if (runs.empty()) return true;
    const bool whole = runs.size() == 1 && runs[0].left == 0 && runs[0].top == 0 && runs[0].right == copy.width &&
                       runs[0].bottom == copy.height;
    if (whole) return DrawPixels(copy, dc, at);
    POINT device = at;  // a clip region is in device units
    LPtoDP(dc, &device, 1);
    const gdi::Region kept = RegionOf(runs, device);
    if (!kept) return false;
    const gdi::SavedState saved(dc);
    if (ExtSelectClipRgn(dc, kept.get(), RGN_AND) == ERROR) return false;
    return DrawPixels(copy, dc, at);
}

}  // namespace skin
