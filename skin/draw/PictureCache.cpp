#include "skin/draw/PictureCache.h"

#include <cstring>
#include <memory>

#include "graphics/GxGraphics.h"
#include "graphics/GxImage.h"
#include "skin/draw/BilinearStretch.h"
#include "skin/draw/TopDownPixels.h"

namespace skin {
namespace {

// Entries keep a copy of the bytes they were decoded from and are found by comparing it:
// freed bytes may be followed by other bytes of the same size at the same address.
struct Decoded {
    std::vector<std::uint8_t> bytes;
    std::unique_ptr<GxImage> picture;
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

std::vector<Stretched>& StretchedList() {
    static std::vector<Stretched> list;
    return list;
}

}  // namespace

const GxImage* DecodedPicture(const void* bytes, std::size_t size) {
    if (!bytes || size == 0) return nullptr;
    for (const Decoded& d : DecodedList())
        if (SameBytes(d.bytes, bytes, size)) return d.picture.get();
    auto picture = std::make_unique<GxImage>();
    if (!picture->LoadImageFromStream(bytes, size)) return nullptr;
    DecodedList().push_back(Decoded{CopyOf(bytes, size), std::move(picture)});
    return DecodedList().back().picture.get();
}

namespace {

const Stretched* FindOrStretch(const std::vector<std::uint8_t>& bytes, int width, int height) {
    if (bytes.empty() || width <= 0 || height <= 0) return nullptr;
    auto& list = StretchedList();
    for (const Stretched& s : list)
        if (s.width == width && s.height == height && SameBytes(s.bytes, bytes.data(), bytes.size())) return &s;
    const GxImage* source = DecodedPicture(bytes);
    if (!source) return nullptr;
    auto picture = std::make_unique<GxBitmap>();
    PixelCopy pixels;
    std::vector<std::uint32_t> sourcePixels;
    if (source->ReadArgbPixels(sourcePixels)) {
        pixels.width = width;
        pixels.height = height;
        pixels.pixels = StretchBilinear(sourcePixels, static_cast<int>(source->GetImageWidth()),
                                        static_cast<int>(source->GetImageHeight()), width, height);
        if (!picture->CreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppPARGB,
                                            reinterpret_cast<BYTE*>(pixels.pixels.data()))) {
            return nullptr;
        }
    } else {
        // Not a bitmap (a metafile, say): the library stretches it.
        if (!picture->CreateBitmap(width, height, PixelFormat32bppPARGB)) return nullptr;
        GxGraphics surface;
        if (!surface.GetImageGraphicsContext(*picture)) return nullptr;
        surface.DrawImageRect(*source, 0, 0, static_cast<float>(width), static_cast<float>(height));
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
}

int CachedPictureCount() { return static_cast<int>(DecodedList().size() + StretchedList().size()); }

}  // namespace skin
