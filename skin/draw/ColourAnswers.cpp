#include "skin/draw/ColourAnswers.h"

#include <unordered_map>

#include "graphics/GdiHandles.h"
#include "skin/core/DestroyWatch.h"
#include "skin/core/Properties.h"
#include "skin/draw/BackgroundKey.h"
#include "skin/draw/Backgrounds.h"
#include "skin/draw/Colour.h"

namespace skin {
namespace {

// What each control's pattern brush was made from: while the background under the control
// keeps its key, a repaint reuses the brush instead of composing and veiling a new bitmap.
// The brush itself goes as before: replaced, or released with the control.
std::unordered_map<HWND, BackgroundKey>& BrushKeys() {
    static std::unordered_map<HWND, BackgroundKey> keys;
    return keys;
}

void DeleteHeldObject(HWND control, const char* property) {
    HGDIOBJ object = reinterpret_cast<HGDIOBJ>(TakePropValue(control, property));
    // The hollow brush is a stock object and never ours to delete.
    gdi::GdiObject<HGDIOBJ> held(object != GetStockObject(NULL_BRUSH) ? object : nullptr);
}

void PrepareText(HWND control, HDC dc) {
    SetTextColor(dc, PlainColour(GetPropColour(control, kPropTextColour)));
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
    const BackgroundKey key = BackgroundKeyOf(control);
    // The key is asked first: a control without one has no brush to reuse, and its
    // properties need not be read.
    auto found = BrushKeys().find(control);
    if (found != BrushKeys().end() && found->second == key) {
        HBRUSH held = GetPropHandle<HBRUSH>(control, kPropBrush);
        if (held && GetPropHandle<HBITMAP>(control, kPropBrushBitmap)) return held;
    }
    ReleaseColourObjects(control);
    gdi::Bitmap bitmap(MakeClientBackgroundBitmap(control));
    if (!bitmap) return nullptr;
    gdi::Brush brush(CreatePatternBrush(bitmap.get()));
    if (!brush) return nullptr;
    WatchForDestroyedControls();
    // From here the control's properties hold both; ReleaseColourObjects gives them back.
    SetPropHandle(control, kPropBrush, brush.get());
    SetPropHandle(control, kPropBrushBitmap, bitmap.release());
    BrushKeys()[control] = key;
    return brush.release();
}

HBRUSH AnswerWithHollowBrush(HWND control, HDC dc) {
    if (!control || !dc) return nullptr;
    PrepareText(control, dc);
    HBRUSH hollow = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    // Handed out already, with no bitmap beside it: nothing to give back or store again
    // (a push button asks on every paint).
    if (GetPropHandle<HBRUSH>(control, kPropBrush) == hollow && !GetPropHandle<HBITMAP>(control, kPropBrushBitmap)) {
        return hollow;
    }
    // A pattern brush handed out earlier goes together with its bitmap.
    ReleaseColourObjects(control);
    SetPropHandle(control, kPropBrush, hollow);
    return hollow;
}

}  // namespace skin
