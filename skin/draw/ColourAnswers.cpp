#include "skin/draw/ColourAnswers.h"

#include <unordered_map>

#include "skin/core/DestroyWatch.h"
#include "skin/core/Properties.h"
#include "skin/core/SkinSettings.h"
#include "skin/draw/Backgrounds.h"
#include "skin/draw/Geometry.h"

namespace skin {
namespace {

// What a control's pattern brush was made from. The same key gives the same pixels, so a
// repaint reuses the brush instead of composing and veiling a new bitmap. A new key comes
// with every change of a composed background (rebuild after a resize, maximize or
// setBackground; caption-button and title redraws), a move or resize of the control, and
// a change of the veil alpha. The brush itself goes as before: replaced, or released with
// the control.
struct BrushKey {
    unsigned generation;
    RECT placement;  // the control's rectangle in its root window
    RECT client;
    int veilAlpha;
    bool operator==(const BrushKey& o) const {
        return generation == o.generation && EqualRect(&placement, &o.placement) && EqualRect(&client, &o.client) &&
               veilAlpha == o.veilAlpha;
    }
};

std::unordered_map<HWND, BrushKey>& BrushKeys() {
    static std::unordered_map<HWND, BrushKey> keys;
    return keys;
}

BrushKey KeyFor(HWND control) {
    BrushKey key = {BackgroundGeneration(), WindowRectInRoot(control), {}, SkinVeilAlpha};
    GetClientRect(control, &key.client);
    return key;
}

void DeleteHeldObject(HWND control, const char* property) {
    HGDIOBJ object = GetPropHandle<HGDIOBJ>(control, property);
    // The hollow brush is a stock object and never ours to delete.
    if (object && object != GetStockObject(NULL_BRUSH)) DeleteObject(object);
    RemovePropValue(control, property);
}

void PrepareText(HWND control, HDC dc) {
    SetTextColor(dc, GetPropColour(control, kPropTextColour) & 0x00FFFFFF);
    SetBkMode(dc, TRANSPARENT);
}

}  // namespace

void ReleaseColourObjects(HWND control) {
    BrushKeys().erase(control);
    DeleteHeldObject(control, kPropBrush);
    DeleteHeldObject(control, kPropBrushBitmap);
}

void WatchForDestroyedControls() { ListenForDestroyedWindows(ReleaseColourObjects); }

HBRUSH AnswerWithPatternBrush(HWND control, HDC dc) {
    if (!control || !dc) return nullptr;
    PrepareText(control, dc);
    const BrushKey key = KeyFor(control);
    HBRUSH held = GetPropHandle<HBRUSH>(control, kPropBrush);
    if (held && GetPropHandle<HBITMAP>(control, kPropBrushBitmap)) {
        auto found = BrushKeys().find(control);
        if (found != BrushKeys().end() && found->second == key) return held;
    }
    ReleaseColourObjects(control);
    HBITMAP bitmap = MakeClientBackgroundBitmap(control);
    if (!bitmap) return nullptr;
    HBRUSH brush = CreatePatternBrush(bitmap);
    if (!brush) {
        DeleteObject(bitmap);
        return nullptr;
    }
    WatchForDestroyedControls();
    SetPropHandle(control, kPropBrush, brush);
    SetPropHandle(control, kPropBrushBitmap, bitmap);
    BrushKeys()[control] = key;
    return brush;
}

HBRUSH AnswerWithHollowBrush(HWND control, HDC dc) {
    if (!control || !dc) return nullptr;
    PrepareText(control, dc);
    // A pattern brush handed out earlier goes together with its bitmap.
    ReleaseColourObjects(control);
    HBRUSH hollow = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    SetPropHandle(control, kPropBrush, hollow);
    return hollow;
}

}  // namespace skin
