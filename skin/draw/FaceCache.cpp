#include "skin/draw/FaceCache.h"

#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "skin/core/DestroyWatch.h"
#include "skin/core/SkinSettings.h"
#include "skin/draw/Backgrounds.h"
#include "skin/draw/Geometry.h"

namespace skin {
namespace {

// Hover, focus, press and check states of one control fit in a handful of faces.
constexpr std::size_t kMaxFacesPerControl = 8;
// A face of a megabyte is a large output box: composing it costs little against its text.
constexpr long long kMaxFacePixels = 512LL * 512;

struct Context {
    unsigned generation;
    RECT placement;
    RECT client;
    int veilAlpha;
    COLORREF theme;
    bool operator==(const Context& o) const {
        return generation == o.generation && EqualRect(&placement, &o.placement) && EqualRect(&client, &o.client) &&
               veilAlpha == o.veilAlpha && theme == o.theme;
    }
};

struct Face {
    RECT area;
    std::string look;
    BITMAPINFOHEADER header;
    std::vector<std::uint32_t> pixels;
};

struct ControlFaces {
    Context context;
    std::vector<Face> faces;
};

std::unordered_map<HWND, ControlFaces>& AllFaces() {
    static std::unordered_map<HWND, ControlFaces> faces;
    return faces;
}

Context ContextOf(HWND control) {
    Context context = {BackgroundGeneration(), WindowRectInRoot(control), {}, SkinVeilAlpha, SkinThemeColour};
    GetClientRect(control, &context.client);
    return context;
}

// The control's faces while they still hold; stale ones are dropped on the way.
ControlFaces* CurrentFaces(HWND control) {
    auto found = AllFaces().find(control);
    if (found == AllFaces().end()) return nullptr;
    if (found->second.context == ContextOf(control)) return &found->second;
    AllFaces().erase(found);
    return nullptr;
}

// A memory DC over a DIB section holding a kept face, for the keyed copy.
class FaceSource {
public:
    explicit FaceSource(const Face& face) {
        BITMAPINFO info = {};
        info.bmiHeader = face.header;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        dc_ = bitmap_ ? CreateCompatibleDC(nullptr) : nullptr;
        if (!dc_) return;
        std::memcpy(bits, face.pixels.data(), face.pixels.size() * sizeof(std::uint32_t));
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~FaceSource() {
        if (dc_) {
            SelectObject(dc_, previous_);
            DeleteDC(dc_);
        }
        if (bitmap_) DeleteObject(bitmap_);
    }
    FaceSource(const FaceSource&) = delete;
    FaceSource& operator=(const FaceSource&) = delete;
    HDC dc() const { return dc_; }

private:
    HBITMAP bitmap_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace

bool DrawKeptFace(HWND control, const RECT& area, const std::string& look, HDC dc, POINT at, const COLORREF* keyColour) {
    if (!control || !dc) return false;
    ControlFaces* kept = CurrentFaces(control);
    if (!kept) return false;
    for (const Face& face : kept->faces) {
        if (!EqualRect(&face.area, &area) || face.look != look) continue;
        const int width = face.header.biWidth;
        const int height = face.header.biHeight < 0 ? -face.header.biHeight : face.header.biHeight;
        if (keyColour) {
            FaceSource source(face);
            return source.dc() &&
                   TransparentBlt(dc, at.x, at.y, width, height, source.dc(), 0, 0, width, height, *keyColour);
        }
        BITMAPINFO info = {};
        info.bmiHeader = face.header;
        // One to one, through the target's clip, as the blit of a fresh face would go.
        return StretchDIBits(dc, at.x, at.y, width, height, 0, 0, width, height, face.pixels.data(), &info,
                             DIB_RGB_COLORS, SRCCOPY) != 0;
    }
    return false;
}

void KeepFace(HWND control, const RECT& area, const std::string& look, HDC source) {
    if (!control || !source) return;
    const long long width = area.right - area.left;
    const long long height = area.bottom - area.top;
    if (width <= 0 || height <= 0 || width * height > kMaxFacePixels) return;
    HBITMAP bitmap = static_cast<HBITMAP>(GetCurrentObject(source, OBJ_BITMAP));
    if (!bitmap) return;
    GdiFlush();  // the look was drawn through GDI+; its pixels must be in the bitmap

    // Read back in a layout of our own: the section's header does not tell its row order.
    Face face;
    face.area = area;
    face.look = look;
    face.header = {};
    face.header.biSize = sizeof(face.header);
    face.header.biWidth = static_cast<LONG>(width);
    face.header.biHeight = -static_cast<LONG>(height);
    face.header.biPlanes = 1;
    face.header.biBitCount = 32;
    face.header.biCompression = BI_RGB;
    face.pixels.resize(static_cast<std::size_t>(width * height));
    BITMAPINFO info = {};
    info.bmiHeader = face.header;
    if (GetDIBits(source, bitmap, 0, static_cast<UINT>(height), face.pixels.data(), &info, DIB_RGB_COLORS) !=
        static_cast<int>(height)) {
        return;
    }

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
