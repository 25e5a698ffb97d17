#include "skin/controls/ListPainting.h"

#include <string>

#include "graphics/GxGraphics.h"
#include "graphics/GxPenBrush.h"
#include "skin/draw/ChildClipping.h"
#include "skin/controls/OffscreenPaint.h"
#include "skin/core/Properties.h"
#include "skin/core/SkinRegistry.h"
#include "skin/core/SkinSettings.h"
#include "skin/draw/Colour.h"
#include "skin/draw/Geometry.h"
#include "skin/draw/WindowQueries.h"

namespace skin {
namespace {

constexpr char kComboListClass[] = "ComboLBox";
constexpr int kOutlineAlpha = 200;
constexpr int kRestOutlineAlpha = 90;
// The wParam of WM_NCPAINT that names no region: the system paints no part of the frame.
constexpr WPARAM kNoRegion = static_cast<WPARAM>(-1);

constexpr Gdiplus::ARGB kKeyArgb = RgbToArgb(kKeyColour, 0, false);

int FloorHalf(int value) { return value >= 0 ? value / 2 : -((-value + 1) / 2); }

bool HasStyle(HWND window, LONG bits) { return (GetWindowLongA(window, GWL_STYLE) & bits) != 0; }

RECT ScrollBarRect(HWND window, LONG object) {
    SCROLLBARINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetScrollBarInfo(window, object, &info)) return RECT{0, 0, 0, 0};
    return info.rcScrollBar;
}

bool HasScrollBar(HWND window) { return HasStyle(window, WS_HSCROLL | WS_VSCROLL); }

// Deletes a region handed to it, once.
class OwnedRegion {
public:
    explicit OwnedRegion(HRGN region) : region_(region) {}
    ~OwnedRegion() {
        if (region_) DeleteObject(region_);
    }
    OwnedRegion(const OwnedRegion&) = delete;
    OwnedRegion& operator=(const OwnedRegion&) = delete;
    HRGN get() const { return region_; }

private:
    HRGN region_;
};

// The scroll bars in screen coordinates; the vertical bar reaches down over the square
// where the two meet. Null without bars.
HRGN ScrollBarRegion(HWND window) {
    HRGN horizontal = nullptr;
    HRGN vertical = nullptr;
    if (HasStyle(window, WS_HSCROLL)) {
        const RECT bar = ScrollBarRect(window, OBJID_HSCROLL);
        horizontal = CreateRectRgnIndirect(&bar);
    }
    if (HasStyle(window, WS_VSCROLL)) {
        RECT bar = ScrollBarRect(window, OBJID_VSCROLL);
        if (HasStyle(window, WS_HSCROLL)) bar.bottom += bar.right - bar.left;
        vertical = CreateRectRgnIndirect(&bar);
    }
    if (horizontal && vertical) {
        HRGN both = CreateRectRgn(0, 0, 0, 0);
        if (both) CombineRgn(both, horizontal, vertical, RGN_OR);
        DeleteObject(horizontal);
        DeleteObject(vertical);
        return both;
    }
    return horizontal ? horizontal : vertical;
}

// The ring between the window rectangle and inner: veiled (or opaque white), inner
// left in the key colour so that the copy skips it, then the outline of the state.
void DrawListFrame(GxGraphics& g, int width, int height, const RECT& inner, bool hover, bool focused) {
    const float innerWidth = static_cast<float>(inner.right - inner.left);
    const float innerHeight = static_cast<float>(inner.bottom - inner.top);
    g.SetClipRect(0, 0, static_cast<float>(width), static_cast<float>(height));
    g.SetClipRect(static_cast<float>(inner.left), static_cast<float>(inner.top), innerWidth, innerHeight,
                  Gdiplus::CombineModeXor);
    if (SkinTranslucentEdits) {
        GxSolidBrush veil;
        if (veil.CreateSolidFill(RgbToArgb(kWhite, SkinVeilAlpha, true))) {
            g.FillRectangle(veil, 0, 0, static_cast<float>(width), static_cast<float>(height));
        }
    } else {
        g.GraphicsClear(RgbToArgb(kWhite, 0, false));
    }
    g.ResetClip();
    g.SetClipRect(static_cast<float>(inner.left), static_cast<float>(inner.top), innerWidth, innerHeight);
    g.GraphicsClear(kKeyArgb);
    g.ResetClip();

    GxPen pen;
    if (hover) {
        if (pen.CreatePen1(RgbToArgb(SkinThemeColour, kOutlineAlpha, true), 2.0f, Gdiplus::UnitWorld)) {
            g.DrawRectangle(pen, 1.0f, 1.0f, static_cast<float>(width - 2), static_cast<float>(height - 2));
        }
        return;
    }
    const Gdiplus::ARGB colour =
        focused ? RgbToArgb(SkinThemeColour, kOutlineAlpha, true) : RgbToArgb(kBlack, kRestOutlineAlpha, true);
    if (pen.CreatePen1(colour, 1.0f, Gdiplus::UnitWorld)) {
        g.DrawRectangle(pen, 0, 0, static_cast<float>(width - 1), static_cast<float>(height - 1));
    }
}

}  // namespace

RECT ListScrollAreaRect(HWND window) {
    RECT windowRect = {};
    RECT client = {};
    if (!GetWindowRect(window, &windowRect) || !GetClientRect(window, &client)) return RECT{0, 0, 0, 0};
    const int width = windowRect.right - windowRect.left;
    const int height = windowRect.bottom - windowRect.top;
    const RECT horizontal = ScrollBarRect(window, OBJID_HSCROLL);
    const RECT vertical = ScrollBarRect(window, OBJID_VSCROLL);
    int innerWidth = client.right - client.left;
    int innerHeight = client.bottom - client.top;
    if (HasStyle(window, WS_VSCROLL)) innerWidth += vertical.right - vertical.left;
    if (HasStyle(window, WS_HSCROLL)) innerHeight += horizontal.bottom - horizontal.top;
    const int left = FloorHalf(width - innerWidth);
    const int top = FloorHalf(height - innerHeight);
    return RECT{left, top, left + innerWidth, top + innerHeight};
}

bool HasFrameBorder(HWND window) {
    const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    return HasStyle(window, WS_BORDER) || (exStyle & (WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME)) != 0;
}

bool IsListFramePainted(HWND window) { return HasFrameBorder(window) && GetWindowClassName(window) != kComboListClass; }

void PaintListFrame(int parentIndex, int entryIndex, std::optional<bool> hover, std::optional<bool> focused) {
    SkinnedWindow* record = GetSkinnedWindow(parentIndex);
    const ListEntry* entry = record ? record->listControls.at(entryIndex) : nullptr;
    if (!entry || !entry->hwnd || !IsWindow(entry->hwnd)) return;
    HWND window = entry->hwnd;
    // A combo list and a frameless control keep the system's look: the keyed copy of an
    // all-key picture would change nothing, so none is made.
    if (!IsListFramePainted(window)) return;

    const bool hot = hover.value_or(entry->hover != 0);
    const bool focus = focused.value_or(entry->focused != 0);
    RECT windowRect = {};
    if (!GetWindowRect(window, &windowRect)) return;
    const int width = windowRect.right - windowRect.left;
    const int height = windowRect.bottom - windowRect.top;
    const RECT inner = ListScrollAreaRect(window);

    OffscreenTarget target;
    target.wholeWindow = true;
    target.keyed = true;
    target.excludeGiven = true;
    target.exclude = inner;
    PaintOffscreen(window, RECT{0, 0, width, height}, target,
                   [&](GxGraphics& g, HDC) { DrawListFrame(g, width, height, inner, hot, focus); });
}

ComposedBackground ComposeVeiledBackground(HWND window) {
    const RECT r = ClientRectInWindow(window);
    ComposedBackground back(window, r);
    if (!back) return back;
    GxGraphics g;
    GxSolidBrush veil;
    if (g.CreateFromHDC(back.dc()) && veil.CreateSolidFill(RgbToArgb(kWhite, SkinVeilAlpha, true))) {
        g.FillRectangleI(veil, 0, 0, r.right - r.left, r.bottom - r.top);
    }
    return back;
}

void PaintVeiledClient(HWND window, HDC dc) {
    const ComposedBackground back = ComposeVeiledBackground(window);
    if (!back || !dc) return;
    const RECT r = ClientRectInWindow(window);
    BitBlt(dc, 0, 0, r.right - r.left, r.bottom - r.top, back.dc(), 0, 0, SRCCOPY);
}

LRESULT PaintSystemNonClient(HWND window, WPARAM region, LPARAM lParam) {
    // Left with no region at all, the system would draw no border for these.
    if (!IsListFramePainted(window)) return DefWindowProcA(window, WM_NCPAINT, region, lParam);
    if (!HasScrollBar(window)) return DefWindowProcA(window, WM_NCPAINT, kNoRegion, lParam);
    const OwnedRegion bars(ScrollBarRegion(window));
    return DefWindowProcA(window, WM_NCPAINT, reinterpret_cast<WPARAM>(bars.get()), lParam);
}

std::optional<LRESULT> PaintTranslucentTree(HWND window, LPARAM lParam) {
    RECT rc = {};
    GetClientRect(window, &rc);
    ComposedBackground items(window, rc);
    ComposedBackground back = ComposeVeiledBackground(window);
    if (!items || !back) return std::nullopt;
    // The tree fills its background in the key colour (set when it was skinned), so
    // only its items survive the keyed copy.
    CallPreviousProc(window, WM_PAINT, reinterpret_cast<WPARAM>(items.dc()), lParam);
    TransparentBlt(back.dc(), 0, 0, rc.right, rc.bottom, items.dc(), 0, 0, rc.right, rc.bottom, kKeyColour);
    {
        const gdi::WindowDC screen = GetClientDCWithoutChildren(window);
        if (screen) BitBlt(screen.get(), 0, 0, rc.right - rc.left, rc.bottom - rc.top, back.dc(), 0, 0, SRCCOPY);
    }
    return DefWindowProcA(window, WM_PAINT, 0, lParam);
}

std::optional<LRESULT> PaintTranslucentList(HWND window, LPARAM lParam) {
    RECT rc = {};
    GetClientRect(window, &rc);
    ComposedBackground back = ComposeVeiledBackground(window);
    if (!back) return std::nullopt;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    CallPreviousProc(window, WM_PAINT, reinterpret_cast<WPARAM>(back.dc()), lParam);
    if (dc) BitBlt(dc, 0, 0, rc.right - rc.left, rc.bottom - rc.top, back.dc(), 0, 0, SRCCOPY);
    EndPaint(window, &paint);
    back.reset();
    // Children such as a list view's header were painted over; they draw again on top.
    InvalidateVisibleChildren(window);
    return DefWindowProcA(window, WM_PAINT, 0, lParam);
}

}  // namespace skin
