#include "skin/draw/BackgroundImages.h"

#include "graphics/GxGraphics.h"
#include "graphics/GxImage.h"
#include "graphics/GxPenBrush.h"
#include "skin/draw/Colour.h"
#include "skin/draw/PictureCache.h"
#include "skin/draw/TopDownPixels.h"

namespace skin {
namespace {

using Gdiplus::ARGB;
using Gdiplus::PointF;

constexpr ARGB kTransparentWhite = White(0);
constexpr double kDefaultFadeShare = 0.3;

// A small linear congruential generator: seeded explicitly, so the sample positions are
// the same on every run and every machine.
class SampleGenerator {
public:
    explicit SampleGenerator(uint32_t seed) : state_(seed) {}
    int next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }
    // Uniform in min..max (max >= min).
    int between(int min, int max) { return min + next() % (max - min + 1); }

private:
    uint32_t state_;
};

bool DecodePicture(ByteView picture, const std::string& path, GxBitmap& bitmap) {
    if (!path.empty()) return bitmap.CreateBitmapFromFile(path.c_str());
    if (picture.empty()) return false;
    return bitmap.CreateBitmapFromStream(picture.data, picture.size);
}

// First sampled coordinate: the whole extent (bar the first line) without a margin,
// else the last `margin` lines, never outside the picture.
int SampleStart(int margin, int extent) {
    if (margin < 1) return 1;
    const int start = extent - margin;
    return start < 0 ? 0 : start;
}

}  // namespace

COLORREF AverageImageColour(ByteView picture, int samples, int marginX, int marginY, const std::string& path) {
    if (samples < 1) return 0;
    // Bytes are sampled from the picture cache's decode, which the paints that follow use
    // too: the picture is decoded once for both (under Wine each decode also looks its
    // decoder up in the registry, some thirty requests to the server).
    const PixelCopy* kept = path.empty() ? DecodedPixels(picture.data, picture.size) : nullptr;
    int width = 0;
    int height = 0;
    GxBitmap bitmap;
    if (kept) {
        width = kept->width;
        height = kept->height;
    } else {
        if (!DecodePicture(picture, path, bitmap)) return 0;
        width = static_cast<int>(bitmap.GetImageWidth());
        height = static_cast<int>(bitmap.GetImageHeight());
    }
    // With one line or none the sampling range is empty.
    if (width < 2 || height < 2) return 0;
    const int xMin = SampleStart(marginX, width);
    const int yMin = SampleStart(marginY, height);

    uint64_t red = 0, green = 0, blue = 0;
    for (int i = 1; i <= samples; ++i) {
        const int x = SampleGenerator(3u * static_cast<uint32_t>(i)).between(xMin, width - 1);
        const int y = SampleGenerator(static_cast<uint32_t>(i)).between(yMin, height - 1);
        const ARGB pixel = !kept ? bitmap.BitmapGetPixel(x, y)
                                 : kept->pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                                static_cast<std::size_t>(x)];
        red += (pixel >> 16) & 0xFF;
        green += (pixel >> 8) & 0xFF;
        blue += pixel & 0xFF;
    }
    const uint64_t count = static_cast<uint64_t>(samples);
    return 0xFF000000u |
           RGB(static_cast<BYTE>(red / count), static_cast<BYTE>(green / count), static_cast<BYTE>(blue / count));
}

std::vector<uint8_t> BuildFadedImage(ByteView picture, int fade, bool fadeGiven, COLORREF colour, bool keepRightFade,
                                     bool leftFadeWanted, const std::string& path) {
    GxBitmap source;
    if (!DecodePicture(picture, path, source)) return {};
    const int width = static_cast<int>(source.GetImageWidth());
    const int height = static_cast<int>(source.GetImageHeight());
    if (width < 1 || height < 1) return {};

    GxBitmap faded;
    if (!faded.CreateBitmap(width, height, PixelFormat32bppARGB)) return {};
    {
        GxGraphics graphics;
        if (!graphics.GetImageGraphicsContext(faded)) return {};
        graphics.SetCompositingQuality(Gdiplus::CompositingQualityGammaCorrected);
        graphics.DrawImageRect(source, 0, 0, static_cast<float>(width), static_cast<float>(height));

        if (!fadeGiven) fade = static_cast<int>(width * kDefaultFadeShare);
        const float w = static_cast<float>(width);
        const float h = static_cast<float>(height);
        const float f = static_cast<float>(fade);
        const ARGB opaque = RgbToArgb(colour, 0, false);

        GxLinearGradientBrush band;
        if (leftFadeWanted && !keepRightFade) {
            if (band.CreateLineBrush(PointF(0, 0), PointF(f, 0), opaque, kTransparentWhite)) {
                graphics.FillRectangle(band, 0, 0, f, h);
            }
        } else {
            const int x0 = static_cast<int>(w - f);
            if (band.CreateLineBrush(PointF(static_cast<float>(x0), 0), PointF(w, 0), kTransparentWhite, opaque)) {
                graphics.FillRectangle(band, static_cast<float>(x0 + 1), 0, f, h);
            }
        }

        GxLinearGradientBrush bottom;
        const int y0 = static_cast<int>(h - f);
        if (bottom.CreateLineBrush(PointF(0, static_cast<float>(y0)), PointF(0, h), RgbToArgb(colour, 0, true),
                                   RgbToArgb(colour, 255, true))) {
            graphics.FillRectangle(bottom, 0, static_cast<float>(y0 + 1), w, f);
        }
    }
    return faded.SaveImageToStream(GxPngFormat);
}

}  // namespace skin
