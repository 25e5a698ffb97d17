#include "skin/frame/LayerCache.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "skin/core/SkinSettings.h"
#include "skin/draw/FaceCache.h"

namespace skin {
namespace {

struct Layers {
    std::string look;
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // top-down rows
};

std::unordered_map<HWND, Layers>& AllLayers() {
    static std::unordered_map<HWND, Layers> layers;
    return layers;
}

// FNV-1a: the picture bytes stand in the look by their content, not their address.
std::uint32_t ContentHash(const std::vector<uint8_t>& bytes) {
    std::uint32_t hash = 2166136261u;
    for (uint8_t b : bytes) hash = (hash ^ b) * 16777619u;
    return hash;
}

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

}  // namespace

std::string LayerLook(const SkinnedWindow& record, const RECT& client) {
    const bool ownPicture = !record.windowPicture.empty();
    const std::vector<uint8_t>& bytes = ownPicture ? record.windowPicture : SkinBackgroundImage;
    LookText look("layers");
    look.add(client.right).add(client.bottom);
    look.add(static_cast<long long>(bytes.size())).add(ContentHash(bytes));
    look.add(ownPicture ? record.imageMode : SkinImageMode);
    look.add(ownPicture ? record.pictureColour : SkinBackColour);
    look.add(record.option8).add(record.titleHeight).add(record.option31);
    return look.text();
}

bool DrawKeptLayers(HWND window, const std::string& look, HDC dc) {
    auto found = AllLayers().find(window);
    if (!dc || found == AllLayers().end() || found->second.look != look) return false;
    const Layers& kept = found->second;
    BITMAPINFO info = TopDownInfo(kept.width, kept.height);
    return StretchDIBits(dc, 0, 0, kept.width, kept.height, 0, 0, kept.width, kept.height, kept.pixels.data(), &info,
                         DIB_RGB_COLORS, SRCCOPY) != 0;
}

void KeepLayers(HWND window, const std::string& look, HDC dc, int width, int height) {
    if (!window || !dc || width <= 0 || height <= 0) return;
    HBITMAP bitmap = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
    if (!bitmap) return;
    GdiFlush();
    Layers layers;
    layers.look = look;
    layers.width = width;
    layers.height = height;
    layers.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    BITMAPINFO info = TopDownInfo(width, height);
    if (GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), layers.pixels.data(), &info, DIB_RGB_COLORS) != height) {
        return;
    }
    AllLayers()[window] = std::move(layers);
}

void ForgetLayers(HWND window) { AllLayers().erase(window); }

int KeptLayerCount() { return static_cast<int>(AllLayers().size()); }

}  // namespace skin
