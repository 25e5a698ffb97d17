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

BOOL CALLBACK ReleaseDescendant(HWND child, LPARAM) {
    ReleaseColourObjects(child);
    return TRUE;
}

// A window's destruction takes its descendants along without a hook call of their own.
LRESULT CALLBACK OnWindowEvent(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_DESTROYWND) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        ReleaseColourObjects(window);
        EnumChildWindows(window, ReleaseDescendant, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

thread_local HHOOK t_destroyWatch = nullptr;

}  // namespace

void ReleaseColourObjects(HWND control) {
    DeleteHeldObject(control, kPropBrush);
    DeleteHeldObject(control, kPropBrushBitmap);
}

void WatchForDestroyedControls() {
    if (!t_destroyWatch) t_destroyWatch = SetWindowsHookExA(WH_CBT, OnWindowEvent, nullptr, GetCurrentThreadId());
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
    WatchForDestroyedControls();
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
