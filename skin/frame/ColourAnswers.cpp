#include "skin/frame/ColourAnswers.h"

#include "skin/core/Properties.h"
#include "skin/draw/Backgrounds.h"

namespace skin {
namespace {

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
    DeleteHeldObject(control, kPropBrush);
    DeleteHeldObject(control, kPropBrushBitmap);
}

HBRUSH AnswerWithPatternBrush(HWND control, HDC dc) {
    if (!control || !dc) return nullptr;
    PrepareText(control, dc);
    ReleaseColourObjects(control);
    HBITMAP bitmap = MakeClientBackgroundBitmap(control);
    if (!bitmap) return nullptr;
    HBRUSH brush = CreatePatternBrush(bitmap);
    if (!brush) {
        DeleteObject(bitmap);
        return nullptr;
    }
    SetPropHandle(control, kPropBrush, brush);
    SetPropHandle(control, kPropBrushBitmap, bitmap);
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
