#include "skin/frame/LayerCache.h"

#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "skin/core/SkinSettings.h"
#include "skin/draw/FaceCache.h"
#include "skin/draw/TopDownPixels.h"

namespace skin {
namespace {

struct Layers {
    std::string look;
    PixelCopy picture;
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
    if (found == AllLayers().end() || found->second.look != look) return false;
    return DrawPixels(found->second.picture, dc, POINT{0, 0});
}

void KeepLayers(HWND window, const std::string& look, HDC dc, int width, int height) {
    if (!window) return;
    PixelCopy picture = CopyPixels(dc, width, height);
    if (picture) AllLayers()[window] = Layers{look, std::move(picture)};
}

void KeepLayers(HWND window, const std::string& look, PixelCopy picture) {
    if (window && picture) AllLayers()[window] = Layers{look, std::move(picture)};
}

void ForgetLayers(HWND window) { AllLayers().erase(window); }

int KeptLayerCount() { return static_cast<int>(AllLayers().size()); }

}  // namespace skin
