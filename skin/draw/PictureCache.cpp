#include "skin/draw/PictureCache.h"

#include <memory>

#include "graphics/GxGraphics.h"
#include "graphics/GxImage.h"

namespace skin {
namespace {

struct Decoded {
    const void* bytes;
    std::size_t size;
    std::unique_ptr<GxImage> picture;
};

struct Stretched {
    const void* bytes;
    std::size_t size;
    int width;
    int height;
    std::unique_ptr<GxBitmap> picture;
};

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
        if (d.bytes == bytes && d.size == size) return d.picture.get();
    auto picture = std::make_unique<GxImage>();
    if (!picture->LoadImageFromStream(bytes, size)) return nullptr;
    DecodedList().push_back(Decoded{bytes, size, std::move(picture)});
    return DecodedList().back().picture.get();
}

const GxImage* StretchedPicture(const std::vector<std::uint8_t>& bytes, int width, int height) {
    if (bytes.empty() || width <= 0 || height <= 0) return nullptr;
    auto& list = StretchedList();
    for (const Stretched& s : list)
        if (s.bytes == bytes.data() && s.size == bytes.size() && s.width == width && s.height == height)
            return s.picture.get();
    const GxImage* source = DecodedPicture(bytes);
    if (!source) return nullptr;
    auto picture = std::make_unique<GxBitmap>();
    if (!picture->CreateBitmap(width, height, PixelFormat32bppPARGB)) return nullptr;
    {
        GxGraphics surface;
        if (!surface.GetImageGraphicsContext(*picture)) return nullptr;
        surface.DrawImageRect(*source, 0, 0, static_cast<float>(width), static_cast<float>(height));
    }
    if (list.size() >= kMaxStretched) list.erase(list.begin());
    list.push_back(Stretched{bytes.data(), bytes.size(), width, height, std::move(picture)});
    return list.back().picture.get();
}

void ClearPictureCache() {
    StretchedList().clear();
    DecodedList().clear();
}

int CachedPictureCount() { return static_cast<int>(DecodedList().size() + StretchedList().size()); }

}  // namespace skin
