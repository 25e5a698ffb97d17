// The pictures the program carries, decoded the way the skin decodes them (GDI+ from a memory
// stream): sizes and resolution, the exact pixels the small glyphs promise, the background's
// animation, and the icon's images.
#include <windows.h>
#include <objidl.h>
#include <shlwapi.h>
#include <gdiplus.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "embedded_pictures.h"

namespace {

namespace gp = Gdiplus;
namespace flat = Gdiplus::DllExports;

// {6aedbd6d-3fb5-418a-83a6-7f45229dc872}: the frame dimension of animated pictures.
const GUID kFrameDimensionTime = {0x6aedbd6d, 0x3fb5, 0x418a, {0x83, 0xa6, 0x7f, 0x45, 0x22, 0x9d, 0xc8, 0x72}};

struct StreamRelease {
    void operator()(IStream* stream) const { stream->Release(); }
};
struct BitmapDispose {
    void operator()(gp::GpBitmap* bitmap) const { flat::GdipDisposeImage(bitmap); }
};
using Bitmap = std::unique_ptr<gp::GpBitmap, BitmapDispose>;

Bitmap Decode(const unsigned char* data, unsigned int size) {
    std::unique_ptr<IStream, StreamRelease> stream(SHCreateMemStream(data, size));
    if (!stream) return nullptr;
    gp::GpBitmap* bitmap = nullptr;
    // GDI+ keeps its own reference to the stream for as long as the bitmap lives.
    if (flat::GdipCreateBitmapFromStream(stream.get(), &bitmap) != gp::Ok) return nullptr;
    return Bitmap(bitmap);
}

UINT Width(const Bitmap& b) {
    UINT w = 0;
    flat::GdipGetImageWidth(b.get(), &w);
    return w;
}

UINT Height(const Bitmap& b) {
    UINT h = 0;
    flat::GdipGetImageHeight(b.get(), &h);
    return h;
}

uint32_t Pixel(const Bitmap& b, int x, int y) {
    gp::ARGB argb = 0;
    flat::GdipBitmapGetPixel(b.get(), x, y, &argb);
    return argb;
}

// Colours compare as text so that a failure prints AARRGGBB rather than a decimal.
std::string Hex(uint32_t argb) {
    char text[9];
    snprintf(text, sizeof text, "%08X", static_cast<unsigned>(argb));
    return text;
}

int Alpha(uint32_t argb) { return argb >> 24; }
bool Blackish(uint32_t argb) { return ((argb >> 16) & 0xFF) <= 3 && ((argb >> 8) & 0xFF) <= 3 && (argb & 0xFF) <= 3; }
bool Light(uint32_t argb) {
    return Alpha(argb) == 255 && ((argb >> 16) & 0xFF) >= 230 && ((argb >> 8) & 0xFF) >= 230 && (argb & 0xFF) >= 230;
}

struct Carried {
    const char* name;
    const unsigned char* data;
    unsigned int size;
    UINT width;
    UINT height;
};

const Carried kPngs[] = {
    {"caption_help", kCaptionHelp, kCaptionHelpSize, 26, 18},
    {"caption_menu", kCaptionMenu, kCaptionMenuSize, 26, 18},
    {"caption_minimize", kCaptionMinimize, kCaptionMinimizeSize, 26, 18},
    {"caption_maximize", kCaptionMaximize, kCaptionMaximizeSize, 26, 18},
    {"caption_restore", kCaptionRestore, kCaptionRestoreSize, 26, 18},
    {"caption_close", kCaptionClose, kCaptionCloseSize, 38, 18},
    {"check_unchecked", kCheckUnchecked, kCheckUncheckedSize, 13, 13},
    {"check_checked", kCheckChecked, kCheckCheckedSize, 13, 13},
    {"combo_arrow", kComboArrow, kComboArrowSize, 7, 4},
    {"updown_up", kUpdownUp, kUpdownUpSize, 7, 4},
    {"updown_down", kUpdownDown, kUpdownDownSize, 7, 4},
    {"updown_left", kUpdownLeft, kUpdownLeftSize, 4, 7},
    {"updown_right", kUpdownRight, kUpdownRightSize, 4, 7},
};

class CarriedPictures : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        gp::GdiplusStartupInput input;
        ASSERT_EQ(gp::GdiplusStartup(&token_, &input, nullptr), gp::Ok);
    }
    static void TearDownTestSuite() { gp::GdiplusShutdown(token_); }

    static ULONG_PTR token_;
};

ULONG_PTR CarriedPictures::token_ = 0;

TEST_F(CarriedPictures, EveryPngDecodesAtItsSizeWithAlphaAt96Dpi) {
    for (const Carried& png : kPngs) {
        SCOPED_TRACE(png.name);
        Bitmap b = Decode(png.data, png.size);
        ASSERT_TRUE(b);
        EXPECT_EQ(Width(b), png.width);
        EXPECT_EQ(Height(b), png.height);
        gp::REAL dpiX = 0, dpiY = 0;
        flat::GdipGetImageHorizontalResolution(b.get(), &dpiX);
        flat::GdipGetImageVerticalResolution(b.get(), &dpiY);
        EXPECT_NEAR(dpiX, 96.0, 0.1);
        EXPECT_NEAR(dpiY, 96.0, 0.1);
        gp::PixelFormat format = 0;
        flat::GdipGetImagePixelFormat(b.get(), &format);
        EXPECT_NE(format & PixelFormatAlpha, 0u) << std::hex << format;
    }
}

// The inside of both boxes: entry x + y - 2 of this ramp.
const uint32_t kCheckGradient[21] = {0xdedfd6, 0xe0e0d8, 0xe2e2da, 0xe4e4dc, 0xe7e6df, 0xe9e8e1, 0xebe9e3,
                                     0xedebe5, 0xf0ede8, 0xf2efea, 0xf4f1ec, 0xf7f3ef, 0xf7f4f0, 0xf8f5f1,
                                     0xf9f6f3, 0xf9f7f4, 0xfaf8f6, 0xfbf9f7, 0xfcfaf9, 0xfcfbfa, 0xfdfcfc};

bool OnBorder(int x, int y) { return x == 0 || y == 0 || x == 12 || y == 12; }

TEST_F(CarriedPictures, CheckBoxBordersAndGradient) {
    Bitmap unchecked = Decode(kCheckUnchecked, kCheckUncheckedSize);
    Bitmap checked = Decode(kCheckChecked, kCheckCheckedSize);
    ASSERT_TRUE(unchecked && checked);
    for (int y = 0; y < 13; ++y) {
        for (int x = 0; x < 13; ++x) {
            if (!OnBorder(x, y)) continue;
            SCOPED_TRACE(testing::Message() << "border pixel " << x << "," << y);
            EXPECT_EQ(Hex(Pixel(unchecked, x, y)), Hex(0xE6030303));  // RGB(3, 3, 3) at alpha 230
            EXPECT_EQ(Hex(Pixel(checked, x, y)), Hex(0xFF185184));    // RGB(24, 81, 132), opaque
        }
    }
    // Corners of the inside and a middle anti-diagonal pin the ramp's direction.
    const std::pair<int, int> samples[] = {{1, 1}, {11, 11}, {11, 1}, {1, 11}, {6, 6}, {2, 9}, {10, 3}};
    for (auto [x, y] : samples) {
        SCOPED_TRACE(testing::Message() << "inside pixel " << x << "," << y);
        EXPECT_EQ(Hex(Pixel(unchecked, x, y)), Hex(0xFF000000u | kCheckGradient[x + y - 2]));
    }
    // Constant along every anti-diagonal of the inside.
    for (int y = 2; y <= 11; ++y) {
        for (int x = 1; x <= 10; ++x) {
            EXPECT_EQ(Hex(Pixel(unchecked, x, y)), Hex(Pixel(unchecked, x + 1, y - 1))) << x << "," << y;
        }
    }
}

TEST_F(CarriedPictures, CheckedBoxIsTheGradientWithAnOpaqueTick) {
    const std::set<std::pair<int, int>> tick = {{9, 3}, {8, 4}, {9, 4}, {3, 5}, {7, 5}, {8, 5}, {9, 5},
                                                {3, 6}, {4, 6}, {6, 6}, {7, 6}, {8, 6}, {3, 7}, {4, 7},
                                                {5, 7}, {6, 7}, {7, 7}, {4, 8}, {5, 8}, {6, 8}, {5, 9}};
    Bitmap unchecked = Decode(kCheckUnchecked, kCheckUncheckedSize);
    Bitmap checked = Decode(kCheckChecked, kCheckCheckedSize);
    ASSERT_TRUE(unchecked && checked);
    for (int y = 1; y <= 11; ++y) {
        for (int x = 1; x <= 11; ++x) {
            SCOPED_TRACE(testing::Message() << x << "," << y);
            if (tick.count({x, y})) {
                EXPECT_EQ(Hex(Pixel(checked, x, y)), Hex(0xFF246E75));  // RGB(36, 110, 117)
            } else {
                EXPECT_EQ(Hex(Pixel(checked, x, y)), Hex(Pixel(unchecked, x, y)));
            }
        }
    }
}

// Every pixel is either opaque black (inside the triangle) or fully transparent.
void ExpectTriangle(const unsigned char* data, unsigned int size, UINT w, UINT h,
                    const std::function<bool(int, int)>& inside) {
    Bitmap b = Decode(data, size);
    ASSERT_TRUE(b);
    ASSERT_EQ(Width(b), w);
    ASSERT_EQ(Height(b), h);
    for (int y = 0; y < static_cast<int>(h); ++y) {
        for (int x = 0; x < static_cast<int>(w); ++x) {
            const uint32_t p = Pixel(b, x, y);
            SCOPED_TRACE(testing::Message() << x << "," << y << " = " << std::hex << p);
            if (inside(x, y)) {
                EXPECT_EQ(Alpha(p), 255);
                EXPECT_TRUE(Blackish(p));
            } else {
                EXPECT_EQ(Alpha(p), 0);
            }
        }
    }
}

TEST_F(CarriedPictures, ArrowsAreBlackTrianglesOnTransparentGround) {
    {
        SCOPED_TRACE("combo_arrow");
        ExpectTriangle(kComboArrow, kComboArrowSize, 7, 4, [](int x, int y) { return std::abs(x - 3) <= 3 - y; });
    }
    {
        SCOPED_TRACE("updown_down");
        ExpectTriangle(kUpdownDown, kUpdownDownSize, 7, 4, [](int x, int y) { return std::abs(x - 3) <= 3 - y; });
    }
    {
        SCOPED_TRACE("updown_up");
        ExpectTriangle(kUpdownUp, kUpdownUpSize, 7, 4, [](int x, int y) { return std::abs(x - 3) <= y; });
    }
    {
        SCOPED_TRACE("updown_left");
        ExpectTriangle(kUpdownLeft, kUpdownLeftSize, 4, 7, [](int x, int y) { return x >= std::abs(y - 3); });
    }
    {
        SCOPED_TRACE("updown_right");
        ExpectTriangle(kUpdownRight, kUpdownRightSize, 4, 7, [](int x, int y) { return x <= 3 - std::abs(y - 3); });
    }
}

// A caption glyph must read on any part of the background: light strokes that never touch
// bare ground (a dark halo separates them from it), and transparent corners so the button's
// hot and pressed fills show.
TEST_F(CarriedPictures, CaptionGlyphsAreLightWithADarkHalo) {
    std::vector<std::vector<uint32_t>> seen;
    for (int i = 0; i < 6; ++i) {
        const Carried& png = kPngs[i];
        SCOPED_TRACE(png.name);
        Bitmap b = Decode(png.data, png.size);
        ASSERT_TRUE(b);
        const int w = static_cast<int>(png.width), h = static_cast<int>(png.height);
        EXPECT_EQ(Alpha(Pixel(b, 0, 0)), 0);
        EXPECT_EQ(Alpha(Pixel(b, w - 1, h - 1)), 0);
        int light = 0;
        std::vector<uint32_t> pixels;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const uint32_t p = Pixel(b, x, y);
                pixels.push_back(p);
                if (!Light(p)) continue;
                ++light;
                const int nx[] = {x - 1, x + 1, x, x};
                const int ny[] = {y, y, y - 1, y + 1};
                for (int k = 0; k < 4; ++k) {
                    if (nx[k] < 0 || ny[k] < 0 || nx[k] >= w || ny[k] >= h) continue;
                    const uint32_t n = Pixel(b, nx[k], ny[k]);
                    EXPECT_TRUE(Light(n) || (Alpha(n) >= 100 && (n & 0xFF) < 100))
                        << "glyph pixel " << x << "," << y << " borders " << std::hex << n;
                }
            }
        }
        EXPECT_GE(light, 10);
        seen.push_back(std::move(pixels));
    }
    for (size_t a = 0; a < seen.size(); ++a) {
        for (size_t b = a + 1; b < seen.size(); ++b)
            EXPECT_NE(seen[a], seen[b]) << kPngs[a].name << " " << kPngs[b].name;
    }
}

// Reads one frame through LockBits: faster than pixel by pixel over 86,000 pixels.
std::vector<uint32_t> FramePixels(const Bitmap& b, UINT frame) {
    std::vector<uint32_t> out;
    if (flat::GdipImageSelectActiveFrame(b.get(), &kFrameDimensionTime, frame) != gp::Ok) return out;
    const gp::GpRect all(0, 0, static_cast<INT>(Width(b)), static_cast<INT>(Height(b)));
    gp::BitmapData data = {};
    if (flat::GdipBitmapLockBits(b.get(), &all, gp::ImageLockModeRead, PixelFormat32bppARGB, &data) != gp::Ok) {
        return out;
    }
    for (UINT y = 0; y < data.Height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const BYTE*>(data.Scan0) + y * data.Stride);
        out.insert(out.end(), row, row + data.Width);
    }
    flat::GdipBitmapUnlockBits(b.get(), &data);
    return out;
}

TEST_F(CarriedPictures, BackgroundIsASixFrameLoopOfWholeOpaqueScenes) {
    Bitmap b = Decode(kBackground, kBackgroundSize);
    ASSERT_TRUE(b);
    EXPECT_EQ(Width(b), 391u);
    EXPECT_EQ(Height(b), 220u);

    UINT frames = 0;
    ASSERT_EQ(flat::GdipImageGetFrameCount(b.get(), &kFrameDimensionTime, &frames), gp::Ok);
    EXPECT_EQ(frames, 6u);

    UINT size = 0;
    ASSERT_EQ(flat::GdipGetPropertyItemSize(b.get(), PropertyTagFrameDelay, &size), gp::Ok);
    std::vector<BYTE> buffer(size);
    auto* item = reinterpret_cast<gp::PropertyItem*>(buffer.data());
    ASSERT_EQ(flat::GdipGetPropertyItem(b.get(), PropertyTagFrameDelay, size, item), gp::Ok);
    ASSERT_EQ(item->type, PropertyTagTypeLong);
    ASSERT_EQ(item->length, 6 * sizeof(LONG));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(static_cast<const LONG*>(item->value)[i], 15) << "frame " << i;

    // Each frame stands alone (a painter that never advances the animation still shows a whole
    // scene), and the frames differ, or the picture would not be animated at all.
    std::vector<std::vector<uint32_t>> pixels;
    for (UINT f = 0; f < frames; ++f) {
        pixels.push_back(FramePixels(b, f));
        ASSERT_EQ(pixels.back().size(), 391u * 220u) << "frame " << f;
        int seeThrough = 0;
        for (uint32_t p : pixels.back()) seeThrough += Alpha(p) != 255;
        EXPECT_EQ(seeThrough, 0) << "frame " << f;
    }
    int distinct = 0;
    for (size_t f = 1; f < pixels.size(); ++f) distinct += pixels[f] != pixels[0];
    EXPECT_GE(distinct, 4);
}

#pragma pack(push, 2)
struct IconGroupHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST_F(CarriedPictures, IconCarriesThreeSizesWithAlpha) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC group = FindResourceA(module, "DEFAULT_ICON", MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    const auto* header = static_cast<const IconGroupHeader*>(LockResource(LoadResource(module, group)));
    ASSERT_NE(header, nullptr);
    ASSERT_EQ(header->count, 3);
    const auto* entries = reinterpret_cast<const IconGroupEntry*>(header + 1);
    std::set<int> sizes;
    for (int i = 0; i < header->count; ++i) {
        EXPECT_EQ(entries[i].width, entries[i].height);
        EXPECT_EQ(entries[i].bitCount, 32);
        sizes.insert(entries[i].width);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32, 48}));

    // The largest image as the system hands it out: see-through corners, an opaque face.
    HICON icon = static_cast<HICON>(LoadImageA(module, "DEFAULT_ICON", IMAGE_ICON, 48, 48, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = 48;
    bi.bmiHeader.biHeight = -48;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    std::vector<uint32_t> argb(48 * 48);
    HDC screen = GetDC(nullptr);
    const int lines = GetDIBits(screen, info.hbmColor, 0, 48, argb.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
    ASSERT_EQ(lines, 48);
    EXPECT_EQ(Alpha(argb[0]), 0);
    EXPECT_EQ(Alpha(argb[48 * 48 - 1]), 0);
    EXPECT_EQ(Alpha(argb[24 * 48 + 24]), 255);
}

}  // namespace
