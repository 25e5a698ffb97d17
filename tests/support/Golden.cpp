#include "support/Golden.h"

#include <cstdlib>
#include <cstring>

#include "graphics/GxImage.h"

namespace testing_support {
namespace {

std::string GoldenPath(const char* name) {
    // Tests run under Wine, where drive Z: is the Unix root.
    return std::string("Z:") + MOBWRIGHT_SOURCE_DIR + "/tests/golden/" + name + ".png";
}

int Channel(COLORREF c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

}  // namespace

Capture CaptureWindow(HWND window) {
    Capture c;
    RECT r;
    if (!GetWindowRect(window, &r)) return c;
    c.width = r.right - r.left;
    c.height = r.bottom - r.top;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = c.width;
    info.bmiHeader.biHeight = -c.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, c.width, c.height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    c.pixels.resize(static_cast<size_t>(c.width) * c.height);
    const auto* src = static_cast<const unsigned char*>(bits);
    for (size_t i = 0; i < c.pixels.size(); ++i) c.pixels[i] = RGB(src[i * 4 + 2], src[i * 4 + 1], src[i * 4]);
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return c;
}

GoldenResult CompareWithGolden(const Capture& capture, const char* name, int tolerance, int allowedOff) {
    const std::string path = GoldenPath(name);
    const char* update = std::getenv("MOBWRIGHT_UPDATE_GOLDEN");
    if (update && std::strcmp(update, "1") == 0) {
        GxBitmap out;
        out.CreateBitmap(capture.width, capture.height, PixelFormat32bppARGB);
        for (int y = 0; y < capture.height; ++y)
            for (int x = 0; x < capture.width; ++x) {
                const COLORREF p = capture.pixels[static_cast<size_t>(y) * capture.width + x];
                out.BitmapSetPixel(x, y, 0xFF000000u | (GetRValue(p) << 16) | (GetGValue(p) << 8) | GetBValue(p));
            }
        const bool saved = out.SaveImageToFile(path.c_str(), GxPngFormat);
        return {saved, saved ? "golden written" : "could not write " + path};
    }
    GxBitmap golden;
    if (!golden.CreateBitmapFromFile(path.c_str())) return {false, "no golden picture at " + path};
    if (static_cast<int>(golden.GetImageWidth()) != capture.width ||
        static_cast<int>(golden.GetImageHeight()) != capture.height)
        return {false, "size differs from " + path};
    int off = 0;
    std::string first;
    for (int y = 0; y < capture.height; ++y)
        for (int x = 0; x < capture.width; ++x) {
            const Gdiplus::ARGB g = golden.BitmapGetPixel(x, y);
            const COLORREF p = capture.pixels[static_cast<size_t>(y) * capture.width + x];
            const int dr = std::abs(Channel(p, 0) - static_cast<int>((g >> 16) & 0xFF));
            const int dg = std::abs(Channel(p, 8) - static_cast<int>((g >> 8) & 0xFF));
            const int db = std::abs(Channel(p, 16) - static_cast<int>(g & 0xFF));
            if (dr > tolerance || dg > tolerance || db > tolerance) {
                if (first.empty()) first = " first at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
                ++off;
            }
        }
    if (off > allowedOff) return {false, std::to_string(off) + " pixels differ from " + path + first};
    return {true, {}};
}

}  // namespace testing_support
