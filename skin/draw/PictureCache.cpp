#include "skin/draw/PictureCache.h"

#include <cstring>
#include <deque>
#include <memory>

#include "graphics/GxGraphics.h"
#include "graphics/GxImage.h"
#include "skin/draw/BilinearStretch.h"
#include "skin/draw/GifPixels.h"
#include "skin/draw/PngPixels.h"
#include "skin/draw/TopDownPixels.h"

namespace skin {
namespace {

// Entries keep a copy of the bytes they were decoded from and are found by comparing it:
// freed bytes may be followed by other bytes of the same size at the same address.
struct Decoded {
    std::vector<std::uint8_t> bytes;
    PixelCopy pixels;                  // the picture's memory when it was decoded here
    std::unique_ptr<GxImage> picture;  // declared after pixels, so it goes first
};

struct DecodedCopy {
    std::vector<std::uint8_t> bytes;
    PixelCopy pixels;
};

struct Stretched {
    std::vector<std::uint8_t> bytes;
    int width;
    int height;
    PixelCopy pixels;                   // the picture's memory when it was stretched here
    std::unique_ptr<GxBitmap> picture;  // declared after pixels, so it goes first
};

bool SameBytes(const std::vector<std::uint8_t>& kept, const void* bytes, std::size_t size) {
    return kept.size() == size && (kept.data() == bytes || std::memcmp(kept.data(), bytes, size) == 0);
}

std::vector<std::uint8_t> CopyOf(const void* bytes, std::size_t size) {
    const auto* first = static_cast<const std::uint8_t*>(bytes);
    return std::vector<std::uint8_t>(first, first + size);
}

// A handful of windows and sizes at most: a linear search is the fastest lookup.
constexpr std::size_t kMaxStretched = 4;

std::vector<Decoded>& DecodedList() {
    static std::vector<Decoded> list;
    return list;
}

// A deque: the pixels handed out stay where they are while others are added.
std::deque<DecodedCopy>& PixelList() {
    static std::deque<DecodedCopy> list;
    return list;
}

std::vector<Stretched>& StretchedList() {
    static std::vector<Stretched> list;
    return list;
}

}  // namespace

const GxImage* DecodedPicture(const void* bytes, std::size_t size) {
    if (!bytes || size == 0) return nullptr;
    for (const Decoded& d : DecodedList())
        if (SameBytes(d.bytes, bytes, size)) return d.picture.get();
    PixelCopy pixels;
    std::unique_ptr<GxImage> picture;
    if (DecodePlainPng(ByteView(bytes, size), pixels)) {
        auto bitmap = std::make_unique<GxBitmap>();
        if (bitmap->CreateBitmapFromScan0(pixels.width, pixels.height, pixels.width * 4, PixelFormat32bppARGB,
                                          reinterpret_cast<BYTE*>(pixels.pixels.data())))
            picture = std::move(bitmap);
    }
    if (!picture) {
        pixels = PixelCopy{};
        picture = std::make_unique<GxImage>();
        if (!picture->LoadImageFromStream(bytes, size)) return nullptr;
    }
    DecodedList().push_back(Decoded{CopyOf(bytes, size), std::move(pixels), std::move(picture)});
    return DecodedList().back().picture.get();
}

const PixelCopy* DecodedPixels(const void* bytes, std::size_t size) {
    if (!bytes || size == 0) return nullptr;
    for (const DecodedCopy& d : PixelList())
        if (SameBytes(d.bytes, bytes, size)) return &d.pixels;
    PixelCopy pixels;
    if (!DecodePlainGif(ByteView(bytes, size), pixels)) {
        const GxImage* picture = DecodedPicture(bytes, size);
        if (!picture || !picture->ReadArgbPixels(pixels.pixels)) return nullptr;
        pixels.width = static_cast<int>(picture->GetImageWidth());
        pixels.height = static_cast<int>(picture->GetImageHeight());
        if (pixels.pixels.size() != static_cast<std::size_t>(pixels.width) * static_cast<std::size_t>(pixels.height))
            return nullptr;
    }
    PixelList().push_back(DecodedCopy{CopyOf(bytes, size), std::move(pixels)});
    return &PixelList().back().pixels;
}

namespace {

const Stretched* FindOrStretch(const std::vector<std::uint8_t>& bytes, int width, int height) {
    if (bytes.empty() || width <= 0 || height <= 0) return nullptr;
    auto& list = StretchedList();
    for (const Stretched& s : list)
        if (s.width == width && s.height == height && SameBytes(s.bytes, bytes.data(), bytes.size())) return &s;
    auto picture = std::make_unique<GxBitmap>();
    PixelCopy pixels;
    if (const PixelCopy* source = DecodedPixels(bytes.data(), bytes.size())) {
        pixels.width = width;
        pixels.height = height;
        pixels.pixels = StretchBilinear(source->pixels, source->width, source->height, width, height);
        if (!picture->CreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppPARGB,
                                            reinterpret_cast<BYTE*>(pixels.pixels.data()))) {
            return nullptr;
        }
    } else if (const GxImage* source = DecodedPicture(bytes)) {
        // Not a bitmap (a metafile, say): the library stretches it.
        if (!picture->CreateBitmap(width, height, PixelFormat32bppPARGB)) return nullptr;
        GxGraphics surface;
        if (!surface.GetImageGraphicsContext(*picture)) return nullptr;
        surface.DrawImageRect(*source, 0, 0, static_cast<float>(width), static_cast<float>(height));
    } else {
        return nullptr;
    }
    if (list.size() >= kMaxStretched) list.erase(list.begin());
    list.push_back(Stretched{bytes, width, height, std::move(pixels), std::move(picture)});
    return &list.back();
}

}  // namespace

const GxImage* StretchedPicture(const std::vector<std::uint8_t>& bytes, int width, int height) {
    const Stretched* s = FindOrStretch(bytes, width, height);
    return s ? s->picture.get() : nullptr;
}

const PixelCopy* StretchedPixels(const std::vector<std::uint8_t>& bytes, int width, int height) {
    const Stretched* s = FindOrStretch(bytes, width, height);
    return s && s->pixels ? &s->pixels : nullptr;
}

void ClearPictureCache() {
    StretchedList().clear();
    DecodedList().clear();
    PixelList().clear();
}

int CachedPictureCount() { return static_cast<int>(DecodedList().size() + StretchedList().size()); }

}  // namespace skin
