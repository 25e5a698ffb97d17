#include "skin/controls/ListPainting.h"

#include <commctrl.h>

#include <string>

#include "graphics/GdiHandles.h"
#include "graphics/GxGraphics.h"
#include "graphics/GxPenBrush.h"
#include "skin/draw/ChildClipping.h"
#include "skin/controls/OffscreenPaint.h"
#include "skin/controls/ScrollBars.h"
#include "skin/controls/Subclassing.h"
#include "skin/core/PaintAnswer.h"
#include "skin/core/Properties.h"
#include "skin/core/SkinRegistry.h"
#include "skin/core/SkinSettings.h"
#include "skin/draw/Colour.h"
#include "skin/draw/FaceCache.h"
#include "skin/draw/Geometry.h"
#include "skin/draw/KeyBlend.h"
#include "skin/draw/TopDownPixels.h"
#include "skin/draw/WindowQueries.h"

namespace skin {
namespace {

constexpr char kComboListClass[] = "ComboLBox";
constexpr char kListBoxClass[] = "ListBox";
constexpr int kOutlineAlpha = 200;
constexpr int kRestOutlineAlpha = 90;

bool HasStyle(HWND window, LONG bits) { return (GetWindowLongA(window, GWL_STYLE) & bits) != 0; }

// The ring between the window rectangle and inner: veiled (or opaque white), inner
// left in the key colour so that the copy skips it, then the outline of the state.
void DrawListFrame(GxGraphics& g, HDC dc, int width, int height, const RECT& inner, bool hover, bool focused) {
    const float innerWidth = static_cast<float>(inner.right - inner.left);
    const float innerHeight = static_cast<float>(inner.bottom - inner.top);
    FillFieldGround(dc, RECT{0, 0, width, height}, &inner);
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
    const Gdiplus::ARGB colour = focused ? RgbToArgb(SkinThemeColour, kOutlineAlpha, true) : Black(kRestOutlineAlpha);
    if (pen.CreatePen1(colour, 1.0f, Gdiplus::UnitWorld)) {
        g.DrawRectangle(pen, 0, 0, static_cast<float>(width - 1), static_cast<float>(height - 1));
    }
}

// A client-sized 32-bit section of its own, filled with colour, which is also its DC's
// background colour. Empty when either could not be made.
gdi::MemoryDC FilledCanvas(int width, int height, COLORREF colour) {
    gdi::MemoryDC canvas(nullptr);
    const gdi::Brush brush(CreateSolidBrush(colour));
    if (!brush || !canvas.adopt(CreateTopDownSection(width, height))) return gdi::MemoryDC();
    const RECT all = {0, 0, width, height};
    FillRect(canvas.get(), &all, brush.get());
    SetBkColor(canvas.get(), colour);
    return canvas;
}

// CLR_DEFAULT (or any colour with a top byte) means the system's window text.
COLORREF TreeTextColour(HWND tree) {
    const auto colour = static_cast<DWORD>(SendMessageA(tree, TVM_GETTEXTCOLOR, 0, 0));
    return (colour & 0xFF000000u) != 0 ? GetSysColor(COLOR_WINDOWTEXT) : colour;
}

// The list box paints once on black and once on white; the two pictures part its drawing
// from its ground, and the ground becomes the veiled background on `veiled`. A keyed copy
// would leave its anti-aliased text fringed. False, with nothing painted, when the two
// canvases cannot be made.
bool PaintMatted(HWND list, HDC veiled, int width, int height, LPARAM lParam) {
    const gdi::MemoryDC onBlack = FilledCanvas(width, height, kBlack);
    const gdi::MemoryDC onWhite = FilledCanvas(width, height, kWhite);
    if (!onBlack || !onWhite) return false;
    CallPreviousProc(list, WM_PAINT, reinterpret_cast<WPARAM>(onBlack.get()), lParam);
    CallPreviousProc(list, WM_PAINT, reinterpret_cast<WPARAM>(onWhite.get()), lParam);
    PixelCopy ground = CopyPixels(veiled, width, height);
    const PixelCopy black = CopyPixels(onBlack.get(), width, height);
    const PixelCopy white = CopyPixels(onWhite.get(), width, height);
    if (!ground || !black || !white) {
        BitBlt(veiled, 0, 0, width, height, onWhite.get(), 0, 0, SRCCOPY);  // the system's own look
        return true;
    }
    BlendMattedOver(ground.pixels.data(), black.pixels.data(), white.pixels.data(), ground.pixels.size());
    DrawPixels(ground, veiled, POINT{0, 0});
    return true;
}

}  // namespace

bool IsMattedListBox(HWND window) { return HasWindowClass(window, kListBoxClass) && !IsOwnerDrawListBox(window); }

bool HasFrameBorder(HWND window) {
    const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    return HasStyle(window, WS_BORDER) || (exStyle & (WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME)) != 0;
}

bool IsListFramePainted(HWND window) { return HasFrameBorder(window) && GetWindowClassName(window) != kComboListClass; }

void PaintListFrame(int parentIndex, int entryIndex, std::optional<bool> hover, std::optional<bool> focused) {
    const ListEntry* entry = FindLiveEntry(parentIndex, entryIndex, &SkinnedWindow::listControls);
    if (!entry) return;
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
    const RECT inner = ScrollAreaRect(window);

    OffscreenTarget target;
    target.wholeWindow = true;
    target.keyed = true;
    target.excludeGiven = true;
    target.exclude = inner;
    target.look =
        LookText("list-frame").add(width).add(height).add(inner).add(hot).add(focus).add(SkinTranslucentEdits).text();
    PaintOffscreen(window, RECT{0, 0, width, height}, target,
                   [&](GxGraphics& g, HDC dc) { DrawListFrame(g, dc, width, height, inner, hot, focus); });
}

// Lists repaint their client on every scroll, selection and keystroke: the veiled ground
// under them is kept like a face and copied, not composed and veiled each time.
ComposedBackground ComposeVeiledBackground(HWND window) {
    const RECT r = ClientRectInWindow(window);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    static const std::string kLook = LookText("list-veil").text();
    if (width > 0 && height > 0) {
        ComposedBackground kept(CreateBackgroundDC(width, height));
        if (kept && DrawKeptFace(window, r, kLook, kept.dc(), POINT{0, 0})) return kept;
    }
    ComposedBackground back(window, r);
    if (!back) return back;
    FillVeil(back.dc(), width, height);
    KeepFace(window, r, kLook, back.dc());
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
    return PaintOnlyScrollBars(window, lParam);
}

namespace {

// The control paints on a canvas of `ground` (a colour it fills its background with), and
// what it drew goes over the veiled background with that colour left out and the edges of
// its `text` blended with the veil rather than the canvas.
std::optional<LRESULT> PaintKeyedOverVeil(HWND window, LPARAM lParam, COLORREF ground, COLORREF text) {
    RECT rc = {};
    GetClientRect(window, &rc);
    const int width = rc.right - rc.left;
    const int height = rc.bottom - rc.top;
    const gdi::MemoryDC items = FilledCanvas(width, height, ground);
    ComposedBackground back = ComposeVeiledBackground(window);
    if (!items || !back) return std::nullopt;
    CallPreviousProc(window, WM_PAINT, reinterpret_cast<WPARAM>(items.get()), lParam);
    PixelCopy veil = CopyPixels(back.dc(), width, height);
    const PixelCopy drawn = CopyPixels(items.get(), width, height);
    const gdi::WindowDC screen = GetClientDCWithoutChildren(window);
    if (veil && drawn && veil.pixels.size() == drawn.pixels.size()) {
        BlendKeyedOver(veil.pixels.data(), drawn.pixels.data(), veil.pixels.size(), ground, text);
        if (screen) DrawPixels(veil, screen.get(), POINT{0, 0});
    } else {
        TransparentBlt(back.dc(), 0, 0, width, height, items.get(), 0, 0, width, height, ground);
        if (screen) BitBlt(screen.get(), 0, 0, width, height, back.dc(), 0, 0, SRCCOPY);
    }
    return DefaultPaintAnswer(window, 0, lParam);
}

}  // namespace

// The tree fills its background in the key colour (set when it was skinned); a canvas of
// the key keeps whatever it leaves unpainted see-through as well.
std::optional<LRESULT> PaintTranslucentTree(HWND window, LPARAM lParam) {
    return PaintKeyedOverVeil(window, lParam, kKeyColour, TreeTextColour(window));
}

// The IP control fills the room round its fields with the window colour (the face colour
// when disabled) and draws its dots in the window-text (grey) colour.
std::optional<LRESULT> PaintTranslucentIpAddress(HWND window, LPARAM lParam) {
    const bool enabled = IsWindowEnabled(window) != FALSE;
    return PaintKeyedOverVeil(window, lParam, GetSysColor(enabled ? COLOR_WINDOW : COLOR_3DFACE),
                              GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
}

std::optional<LRESULT> PaintTranslucentList(HWND window, LPARAM lParam) {
    RECT rc = {};
    GetClientRect(window, &rc);
    ComposedBackground back = ComposeVeiledBackground(window);
    if (!back) return std::nullopt;
    {
        const gdi::PaintDC dc(window);
        if (!IsMattedListBox(window) ||
            !PaintMatted(window, back.dc(), rc.right - rc.left, rc.bottom - rc.top, lParam)) {
            CallPreviousProc(window, WM_PAINT, reinterpret_cast<WPARAM>(back.dc()), lParam);
        }
        if (dc) BitBlt(dc.get(), 0, 0, rc.right - rc.left, rc.bottom - rc.top, back.dc(), 0, 0, SRCCOPY);
    }
    back.reset();
    // Children such as a list view's header were painted over; they draw again on top.
    InvalidateVisibleChildren(window);
    return DefaultPaintAnswer(window, 0, lParam);
}

}  // namespace skin
