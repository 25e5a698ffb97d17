#include "skin/controls/UpDownSkin.h"

#include "embedded_pictures.h"
#include "graphics/GxGraphics.h"
#include "graphics/GxPath.h"
#include "graphics/GxPenBrush.h"
#include "skin/controls/HoverTracking.h"
#include "skin/controls/OffscreenPaint.h"
#include "skin/controls/Subclassing.h"
#include "skin/core/PaintAnswer.h"
#include "skin/draw/Colour.h"
#include "skin/draw/FaceCache.h"
#include "skin/draw/Paths.h"
#include "skin/draw/PictureDrawing.h"

namespace skin {
namespace {

constexpr char kUpDownClass[] = "msctls_updown32";
constexpr int kCorner = 3;
constexpr int kPlateAlpha = 160;
// Which button the pointer lights; no button is lit without hover.
constexpr int kNoButton = 0;
constexpr int kFirstButton = 3;
constexpr int kSecondButton = 4;

using Gdiplus::PointF;
using UpDown = SkinnedControl<UpDownEntry>;

struct Glyph {
    const unsigned char* bytes;
    unsigned int size;
};

void PrepareUpDown(UpDownEntry& entry, HWND control, HWND) {
    entry.horizontal = (GetWindowLongA(control, GWL_STYLE) & UDS_HORZ) ? 1 : 0;
}

const ControlFamily<UpDownEntry> kUpDowns = {kUpDownClass, &SkinnedWindow::upDownControls, UpDownSkinProc, nullptr,
                                             PrepareUpDown};

UpDownEntry* FindEntry(int parentIndex, int entryIndex) {
    return FindLiveEntry(parentIndex, entryIndex, &SkinnedWindow::upDownControls);
}

SIZE WindowSize(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

int PointX(uint32_t point) { return static_cast<short>(LOWORD(point)); }
int PointY(uint32_t point) { return static_cast<short>(HIWORD(point)); }

void DrawGlyph(GxGraphics& surface, const Glyph& glyph, float boxX, float boxY, float boxWidth, float boxHeight) {
    DrawPictureCentred(surface, glyph.bytes, glyph.size, boxX, boxY, boxWidth, boxHeight);
}

struct ButtonLook {
    Gdiplus::ARGB pen;
    Gdiplus::ARGB from;
    Gdiplus::ARGB to;
};

ButtonLook LookOf(bool lit, bool pressed, bool whiterAtRest) {
    if (lit && pressed) {
        return {RgbToArgb(SkinThemeColour, 200, true), RgbToArgb(SkinThemeColour, 100, true), White(150)};
    }
    if (lit) {
        return {RgbToArgb(SkinThemeColour, 200, true), White(100), RgbToArgb(SkinThemeColour, 150, true)};
    }
    return {Black(100), White(whiterAtRest ? 60 : 20), RgbToArgb(SkinThemeColour, 100, true)};
}

struct Button {
    int code;
    Gdiplus::RectF outline;  // as AddRoundRectToPath takes it
    PointF from, to;         // gradient axis
    Glyph glyph;
    PointF box;  // the glyph is centred in the button-sized box from here
};

void DrawButton(GxGraphics& surface, GxPath& path, const Button& button, const ButtonLook& look, float bw, float bh) {
    const Gdiplus::RectF& r = button.outline;
    AddRoundRectToPath(path, r.X, r.Y, r.Width, r.Height, kCorner);
    {
        GxLinearGradientBrush gradient;
        if (gradient.CreateLineBrush(button.from, button.to, look.from, look.to)) surface.FillPath(gradient, path);
    }
    DrawGlyph(surface, button.glyph, button.box.X, button.box.Y, bw, bh);
    GxPen pen;
    if (pen.CreatePen1(look.pen, 1.0f)) surface.DrawPath(pen, path);
    path.ResetPath();
}

void DrawUpDown(GxGraphics& surface, int width, int height, bool horizontal, int active, bool hover, bool pressed) {
    surface.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    surface.SetCompositingQuality(Gdiplus::CompositingQualityHighQuality);

    const int bw = horizontal ? width / 2 : width;
    const int bh = horizontal ? height : height / 2;
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    const float fw = static_cast<float>(bw);
    const float fh = static_cast<float>(bh);

    GxPath path;
    if (!path.CreatePath()) return;
    AddRoundRectToPath(path, 0, 0, w - 1, h - 1, kCorner);
    {
        GxSolidBrush plate;
        if (plate.CreateSolidFill(White(kPlateAlpha))) surface.FillPath(plate, path);
    }
    path.ResetPath();

    // The glyphs point away from the split, centred in their halves.
    const Gdiplus::RectF firstOutline(0, 0, fw - 1, fh - 1);
    Button first;
    Button second;
    if (horizontal) {
        first = {kFirstButton, firstOutline, PointF(0, 0), PointF(fw - 1, 0), {kUpdownLeft, kUpdownLeftSize}, {0, 0}};
        second = {kSecondButton, Gdiplus::RectF(fw, 0, fw - 1, fh - 1), PointF(fw - 1, 0),
                  PointF(w, 0),  {kUpdownRight, kUpdownRightSize},      PointF(fw, 0)};
    } else {
        first = {kFirstButton, firstOutline, PointF(0, 0), PointF(0, fh - 1), {kUpdownUp, kUpdownUpSize}, {0, 0}};
        second = {kSecondButton, Gdiplus::RectF(0, fh, fw - 1, fh - 1), PointF(0, fh),
                  PointF(0, h),  {kUpdownDown, kUpdownDownSize},        PointF(0, fh)};
    }
    for (const Button* button : {&first, &second}) {
        const bool lit = (hover || pressed) && active == button->code;
        // Only the upper button of a vertical control rests a little whiter.
        const bool whiterAtRest = !horizontal && button->code == kFirstButton;
        DrawButton(surface, path, *button, LookOf(lit, pressed, whiterAtRest), fw, fh);
    }
}

// --- messages, in the order of the skin's table ---

void PaintFromEntry(const UpDown& u) { PaintUpDown(u.recordIndex, u.entryIndex, false, false, false, false, 0, false); }

LRESULT OnMove(const UpDown& u, WPARAM wParam, LPARAM lParam) {
    PaintFromEntry(u);
    return PassOn(u.window, WM_MOVE, wParam, lParam);
}

// The control's own painting is never run; DefWindowProcA validates the update region.
LRESULT OnPaint(const UpDown& u, WPARAM wParam, LPARAM lParam) {
    PaintFromEntry(u);
    return DefaultPaintAnswer(u.window, wParam, lParam);
}

// Moves within one half only renew the leave request; a new half repaints like a new control.
LRESULT OnMouseMove(const UpDown& u, WPARAM wParam, LPARAM lParam) {
    const bool otherControlHot = NoteMouseMove(u.window, *u.record, u.entryIndex, kHotKindUpDown);
    const int part = UpDownHalfAt(u.recordIndex, u.entryIndex, static_cast<uint32_t>(lParam));
    if (otherControlHot || part != u.entry->hotPart) {
        PaintUpDown(u.recordIndex, u.entryIndex, true, true, false, false, static_cast<uint32_t>(lParam), true);
        u.entry->hover = 1;
        SetHotControl(*u.record, kHotKindUpDown);
        u.entry->hotPart = part;
    }
    return PassOn(u.window, WM_MOUSEMOVE, wParam, lParam);
}

// The pressed look follows at the control's next WM_PAINT, from the stored state.
LRESULT OnButton(const UpDown& u, UINT message, WPARAM wParam, LPARAM lParam) {
    u.entry->pressed = message == WM_LBUTTONDOWN ? 1 : 0;
    u.entry->pressPoint = static_cast<uint32_t>(lParam);
    return PassOn(u.window, message, wParam, lParam);
}

// The control draws its own look when it gains or loses the focus or is enabled or
// disabled; the skin's look goes back over it.
LRESULT OnStateChange(const UpDown& u, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = PassOn(u.window, message, wParam, lParam);
    PaintUpDown(u.recordIndex, u.entryIndex, false, false, false, false, 0, false);
    return result;
}

LRESULT OnMouseLeave(const UpDown& u, WPARAM wParam, LPARAM lParam) {
    ClearHotControl(*u.record);
    u.entry->hover = 0;
    PaintUpDown(u.recordIndex, u.entryIndex, false, true, false, false, 0, false);
    return PassOn(u.window, WM_MOUSELEAVE, wParam, lParam);
}

}  // namespace

void InstallUpDownSkin(int parentIndex, HWND parent) { InstallControlFamily(kUpDowns, parentIndex, parent); }

LRESULT CALLBACK UpDownSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const UpDown u = FindSkinnedControl(window, &SkinnedWindow::upDownControls);
    if (!u) return PassOn(window, message, wParam, lParam);
    switch (message) {
        case WM_MOVE:
            return OnMove(u, wParam, lParam);
        case WM_PAINT:
            return OnPaint(u, wParam, lParam);
        case WM_ERASEBKGND:
            return EraseNothing(wParam);
        case WM_NCPAINT:
            return 1;
        case WM_MOUSEMOVE:
            return OnMouseMove(u, wParam, lParam);
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            return OnButton(u, message, wParam, lParam);
        case WM_MOUSELEAVE:
            return OnMouseLeave(u, wParam, lParam);
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
            return OnStateChange(u, message, wParam, lParam);
        default:
            return PassOn(window, message, wParam, lParam);
    }
}

int UpDownHalfAt(int parentIndex, int entryIndex, uint32_t point) {
    const UpDownEntry* entry = FindEntry(parentIndex, entryIndex);
    if (!entry) return kUpDownFirstHalf;
    const SIZE size = WindowSize(entry->hwnd);
    const bool second = entry->horizontal ? PointX(point) > size.cx / 2 : PointY(point) > size.cy / 2;
    return second ? kUpDownSecondHalf : kUpDownFirstHalf;
}

void PaintUpDown(int parentIndex, int entryIndex, bool hover, bool hoverGiven, bool pressed, bool pressedGiven,
                 uint32_t point, bool pointGiven) {
    const UpDownEntry* entry = FindEntry(parentIndex, entryIndex);
    if (!entry) return;
    if (!hoverGiven) hover = entry->hover != 0;
    if (!pressedGiven) pressed = entry->pressed != 0;
    if (!pointGiven) point = entry->pressPoint;

    HWND window = entry->hwnd;
    const bool horizontal = entry->horizontal != 0;
    const SIZE size = WindowSize(window);
    int active = kNoButton;
    if (hover && !pointGiven && !pressed) {
        // Nothing is held: the lit half is the one under the pointer, not the last press.
        active = entry->hotPart == kUpDownSecondHalf ? kSecondButton : kFirstButton;
    } else if (hover) {
        const bool second = horizontal ? PointX(point) > size.cx / 2 : PointY(point) > size.cy / 2;
        active = second ? kSecondButton : kFirstButton;
    }

    const RECT area = {0, 0, size.cx, size.cy};
    OffscreenTarget target;
    target.wholeWindow = true;
    target.look =
        LookText("updown").add(size.cx).add(size.cy).add(horizontal).add(active).add(hover).add(pressed).text();
    PaintOffscreen(window, area, target, [&](GxGraphics& surface, HDC) {
        DrawUpDown(surface, size.cx, size.cy, horizontal, active, hover, pressed);
    });
}

}  // namespace skin
