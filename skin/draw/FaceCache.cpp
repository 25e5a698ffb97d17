#include "skin/draw/FaceCache.h"

#include <unordered_map>
#include <vector>

#include "skin/core/DestroyWatch.h"
#include "skin/core/SkinSettings.h"
#include "skin/draw/BackgroundKey.h"
#include "skin/draw/TopDownPixels.h"

namespace skin {
namespace {

// Hover, focus, press and check states of one control fit in a handful of faces.
constexpr std::size_t kMaxFacesPerControl = 8;
// A face of a megabyte is a large output box: composing it costs little against its text.
constexpr long long kMaxFacePixels = 512LL * 512;

// The background under a control's faces, and the theme colour their looks are drawn in.
struct Context {
    BackgroundKey background;
    COLORREF theme;
    bool operator==(const Context& o) const { return background == o.background && theme == o.theme; }
};

struct Face {
    RECT area;
    std::string look;
    PixelCopy picture;
};

struct ControlFaces {
    Context context;
    std::vector<Face> faces;
};

std::unordered_map<HWND, ControlFaces>& AllFaces() {
    static std::unordered_map<HWND, ControlFaces> faces;
    return faces;
}

Context ContextOf(HWND control) { return Context{BackgroundKeyOf(control), SkinThemeColour}; }

// The control's faces while they still hold; stale ones are dropped on the way.
ControlFaces* CurrentFaces(HWND control) {
    auto found = AllFaces().find(control);
    if (found == AllFaces().end()) return nullptr;
    if (found->second.context == ContextOf(control)) return &found->second;
    AllFaces().erase(found);
    return nullptr;
}

}  // namespace

bool DrawKeptFace(HWND control, const RECT& area, const std::string& look, HDC dc, POINT at,
                  const COLORREF* keyColour) {
    if (!control || !dc) return false;
    ControlFaces* kept = CurrentFaces(control);
    if (!kept) return false;
    for (const Face& face : kept->faces) {
        if (!EqualRect(&face.area, &area) || face.look != look) continue;
        return keyColour ? DrawPixelsKeyed(face.picture, dc, at, *keyColour) : DrawPixels(face.picture, dc, at);
    }
    return false;
}

void KeepFace(HWND control, const RECT& area, const std::string& look, HDC source) {
    if (!control || !source) return;
    const long long width = area.right - area.left;
    const long long height = area.bottom - area.top;
    if (width <= 0 || height <= 0 || width * height > kMaxFacePixels) return;
    Face face{area, look, CopyPixels(source, static_cast<int>(width), static_cast<int>(height))};
    if (!face.picture) return;

    if (!ListenForDestroyedWindows(ForgetFaces)) return;
    ControlFaces* kept = CurrentFaces(control);
    if (!kept) {
        kept = &AllFaces()[control];
        kept->context = ContextOf(control);
    }
    for (auto it = kept->faces.begin(); it != kept->faces.end(); ++it) {
        if (EqualRect(&it->area, &area) && it->look == look) {
            kept->faces.erase(it);
            break;
        }
    }
    if (kept->faces.size() >= kMaxFacesPerControl) kept->faces.erase(kept->faces.begin());
    kept->faces.push_back(std::move(face));
}

void ForgetFaces(HWND control) { AllFaces().erase(control); }

void ClearFaceCache() { AllFaces().clear(); }

int KeptFaceCount() {
    int count = 0;
    for (const auto& entry : AllFaces()) count += static_cast<int>(entry.second.faces.size());
    return count;
}

}  // namespace skin
