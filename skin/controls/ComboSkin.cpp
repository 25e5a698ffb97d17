#include "skin/controls/ComboSkin.h"

#include <string>

#include "embedded_pictures.h"
#include "graphics/GxFont.h"
#include "graphics/GxGraphics.h"
#include "graphics/GxPath.h"
#include "graphics/GxPenBrush.h"
#include "skin/controls/EditSkin.h"
#include "skin/controls/HoverTracking.h"
#include "skin/controls/OffscreenPaint.h"
#include "skin/controls/Subclassing.h"
#include "skin/draw/Colour.h"
#include "skin/draw/FaceCache.h"
#include "skin/draw/Geometry.h"
#include "skin/draw/Paths.h"
#include "skin/draw/PictureDrawing.h"
#include "skin/draw/WindowQueries.h"
#include "skin/draw/ColourAnswers.h"

namespace skin {
namespace {

constexpr int kHighlightAlpha = 200;  // outline and button edge when hot or focused
constexpr int kFaintAlpha = 80;
constexpr int kListOnlyButtonWidth = 17;
constexpr int kButtonWidth = 18;
constexpr int kButtonCorner = 4;
constexpr int kButtonFaceCorner = 1;
constexpr int kListInset = 2;  // a simple box's list keeps a band of the combo's background
constexpr char kTextFontName[] = "宋体";
constexpr float kTextFontSize = 12.0f;
constexpr WPARAM kPaintNothing = static_cast<WPARAM>(-1);

using Combo = SkinnedControl<ComboEntry>;

bool IsListBit(LONG style) { return (style & 0x1) != 0; }  // CBS_SIMPLE, CBS_DROPDOWNLIST
bool IsDropBit(LONG style) { return (style & 0x2) != 0; }  // CBS_DROPDOWN, CBS_DROPDOWNLIST

HWND FindEditField(HWND combo) { return FindWindowExA(combo, nullptr, "Edit", nullptr); }

// The combo's own text shows the selected item from the start.
void CopySelectionToText(HWND combo) {
    const LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (selected < 0) return;
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    if (length < 0) return;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&text[0]));
    SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void PrepareCombo(ComboEntry&, HWND combo, HWND) { CopySelectionToText(combo); }

// The field is skinned only when its background is to show through; otherwise the system
// draws it whole inside the combo's keep-out area.
void FinishCombo(ComboEntry&, HWND combo, int, int parentIndex) {
    HWND field = FindEditField(combo);
    if (field && SkinTranslucentEdits) InstallEditSkin(parentIndex, field, combo);
}

const ControlFamily<ComboEntry> kCombos = {
    "ComboBox", &SkinnedWindow::comboControls, ComboSkinProc, nullptr, PrepareCombo, FinishCombo};

// --- painting ---

struct ComboGeometry {
    LONG style = 0;
    int width = 0;
    int height = 0;
    int buttonLeft = 0;
    int buttonWidth = 0;
    int buttonHeight = 0;
};

ComboGeometry MeasureCombo(HWND combo) {
    ComboGeometry g;
    g.style = GetWindowLongA(combo, GWL_STYLE);
    RECT window = {};
    GetWindowRect(combo, &window);
    g.width = window.right - window.left;
    g.height = window.bottom - window.top;
    g.buttonWidth = IsListBit(g.style) && IsDropBit(g.style) ? kListOnlyButtonWidth : kButtonWidth;
    g.buttonLeft = g.width - g.buttonWidth - 2;
    g.buttonHeight = g.height - 4;
    return g;
}

// Magenta is the copy's key colour: these pixels keep what the child window drew.
void KeepOut(GxGraphics& surface, const RECT& area) {
    if (IsRectEmpty(&area)) return;
    surface.SetClipRect(static_cast<float>(area.left), static_cast<float>(area.top),
                        static_cast<float>(area.right - area.left), static_cast<float>(area.bottom - area.top),
                        Gdiplus::CombineModeReplace);
    surface.GraphicsClear(kKeyArgb);
    surface.ResetClip();
}

void KeepOutChildren(GxGraphics& surface, HWND combo, LONG style) {
    if (IsListBit(style)) {
        for (HWND child = FindWindowExA(combo, nullptr, nullptr, nullptr); child;
             child = FindWindowExA(combo, child, nullptr, nullptr)) {
            RECT area = ChildRectInParentWindow(child);
            if (GetWindowClassName(child) == "ComboLBox") InflateRect(&area, -kListInset, -kListInset);
            KeepOut(surface, area);
        }
    } else if (HWND field = FindWindowExA(combo, nullptr, nullptr, nullptr)) {
        KeepOut(surface, ChildRectInParentWindow(field));
    }
    surface.ResetClip();
}

void DrawOutline(GxGraphics& surface, const ComboGeometry& g, bool highlighted) {
    GxPen pen;
    const Gdiplus::ARGB colour = highlighted ? RgbToArgb(SkinThemeColour, kHighlightAlpha, true) : Black(kFaintAlpha);
    if (pen.CreatePen1(colour, 1.0f)) surface.DrawRectangleI(pen, 0, 0, g.width - 1, g.height - 1);
}

void DrawArrow(GxGraphics& surface, const ComboGeometry& g) {
    DrawPictureCentred(surface, kComboArrow, kComboArrowSize, static_cast<float>(g.buttonLeft), 2,
                       static_cast<float>(g.buttonWidth), static_cast<float>(g.buttonHeight));
}

// Focus does not change the button; only the pointer does.
void DrawDropButton(GxGraphics& surface, const ComboGeometry& g, bool hover) {
    const float left = static_cast<float>(g.buttonLeft);
    GxPath path;
    if (!path.CreatePath()) return;
    AddRoundRectToPath(path, left, 2, static_cast<float>(g.buttonWidth - 1), static_cast<float>(g.buttonHeight - 1),
                       kButtonCorner);
    GxPen edge;
    const Gdiplus::ARGB edgeColour = hover ? RgbToArgb(SkinThemeColour, kHighlightAlpha, true) : Black(kFaintAlpha);
    if (edge.CreatePen1(edgeColour, 1.0f)) surface.DrawPath(edge, path);

    path.ResetPath();
    AddRoundRectToPath(path, left + 1, 3, static_cast<float>(g.buttonWidth - 2), static_cast<float>(g.buttonHeight - 2),
                       kButtonFaceCorner);
    GxLinearGradientBrush face;
    const Gdiplus::ARGB top = hover ? White(100) : RgbToArgb(SkinThemeColour, 30, true);
    const Gdiplus::ARGB bottom = hover ? RgbToArgb(SkinThemeColour, 150, true) : RgbToArgb(SkinThemeColour, 100, true);
    if (face.CreateLineBrush(Gdiplus::PointF(left + 1, 2),
                             Gdiplus::PointF(left + 1, static_cast<float>(g.buttonHeight)), top, bottom)) {
        surface.FillPath(face, path);
    }
    DrawArrow(surface, g);
}

// A list-only box has no field to show its selection; the skin writes it.
void DrawSelectedText(GxGraphics& surface, HWND combo, const ComboGeometry& g) {
    const std::string text = ReadWindowText(combo);
    if (text.empty()) return;
    GxFont font;
    if (!font.CreateFontFromName(kTextFontName, kTextFontSize, Gdiplus::FontStyleRegular, Gdiplus::UnitWorld)) return;
    GxSolidBrush brush;
    if (!brush.CreateSolidFill(RgbToArgb(GetPropColour(combo, kPropTextColour), 255, false))) return;
    const Gdiplus::RectF layout(2, (g.height - 12) / 2.0f, static_cast<float>(g.width - 17),
                                static_cast<float>(g.height - 4));
    surface.DrawString(text.c_str(), font, layout, nullptr, brush);
}

// Everything the box's look reads besides the background: the kept-out children's places
// and, for a drop-down list, its text.
std::string ComboLook(HWND combo, const ComboGeometry& g, bool hover, bool focus) {
    LookText look("combo");
    look.add(g.style).add(hover).add(focus).add(SkinTranslucentEdits);
    for (HWND child = FindWindowExA(combo, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(combo, child, nullptr, nullptr)) {
        look.add(GetWindowClassName(child)).add(ChildRectInParentWindow(child));
    }
    if (IsDropBit(g.style) && IsListBit(g.style)) {
        look.add(ReadWindowText(combo)).add(GetPropColour(combo, kPropTextColour));
    }
    return look.text();
}

// --- messages, in the order of the skin's table ---

// A drop-down box hands the focus on to its field at once, so its own focus messages say
// nothing about where the focus stays.
bool HoldsFocus(HWND combo) {
    const HWND focus = GetFocus();
    return focus && (focus == combo || IsChild(combo, focus));
}

bool IsHotCombo(const Combo& c) { return c.record->hotIndex == c.entryIndex && c.record->hotKind == kHotKindCombo; }

// The box as it should look now: focus from the entry, hover while it is the hot control.
void Repaint(const Combo& c, std::optional<bool> focused = std::nullopt) {
    PaintComboBox(c.recordIndex, c.entryIndex, IsHotCombo(c), focused);
}

LRESULT OnMove(const Combo& c, WPARAM wParam, LPARAM lParam) {
    Repaint(c);
    return PassOn(c.window, WM_MOVE, wParam, lParam);
}

LRESULT OnSetFocus(const Combo& c, WPARAM wParam, LPARAM lParam) {
    c.entry->focused = 1;
    Repaint(c, true);
    return PassOn(c.window, WM_SETFOCUS, wParam, lParam);
}

LRESULT OnKillFocus(const Combo& c, WPARAM wParam, LPARAM lParam) {
    c.entry->focused = 0;
    return PassOn(c.window, WM_KILLFOCUS, wParam, lParam);
}

LRESULT OnSetText(const Combo& c, WPARAM wParam, LPARAM lParam) {
    if (FindEditField(c.window)) InvalidateRect(c.window, nullptr, TRUE);
    return PassOn(c.window, WM_SETTEXT, wParam, lParam);
}

LRESULT OnPaint(const Combo& c, WPARAM wParam, LPARAM lParam) {
    return PaintInsteadOfControl(c.window, wParam, lParam, [&] { Repaint(c); });
}

LRESULT OnNonClientPaint(const Combo& c, LPARAM lParam) {
    Repaint(c);
    return DefWindowProcA(c.window, WM_NCPAINT, kPaintNothing, lParam);
}

bool IsTextOrScrollChange(WORD code) {
    return code == EN_VSCROLL || code == EN_HSCROLL || code == EN_CHANGE || code == EN_UPDATE;
}

// The field's text moved over background it will not erase itself. Its focus changes
// also decide the combo's outline: a drop-down box never holds the focus itself.
LRESULT OnCommand(const Combo& c, WPARAM wParam, LPARAM lParam) {
    HWND source = reinterpret_cast<HWND>(lParam);
    const WORD code = HIWORD(wParam);
    const bool fromField = source && IsChild(c.window, source) && GetWindowClassName(source) == "Edit";
    if (fromField && SkinControls && SkinTranslucentEdits && IsTextOrScrollChange(code)) {
        InvalidateRect(source, nullptr, TRUE);
    }
    const LRESULT result = PassOn(c.window, WM_COMMAND, wParam, lParam);
    if (fromField && code == EN_SETFOCUS) Repaint(c, true);
    if (fromField && code == EN_KILLFOCUS) Repaint(c);
    return result;
}

// Only the combo's own field is answered; anything else is left to the system.
LRESULT OnEditColour(const Combo& c, WPARAM wParam, LPARAM lParam) {
    HWND field = reinterpret_cast<HWND>(lParam);
    if (SkinTranslucentEdits && field && IsChild(c.window, field)) {
        if (HBRUSH brush = AnswerWithPatternBrush(field, reinterpret_cast<HDC>(wParam))) {
            return reinterpret_cast<LRESULT>(brush);
        }
    }
    return PassOn(c.window, WM_CTLCOLOREDIT, wParam, lParam);
}

// The hot control is stored on every move, not only when the box repaints.
LRESULT OnMouseMove(const Combo& c, WPARAM wParam, LPARAM lParam) {
    if (NoteMouseMove(c.window, *c.record, c.entryIndex, kHotKindCombo)) {
        PaintComboBox(c.recordIndex, c.entryIndex, true);
    }
    SetHotControl(*c.record, kHotKindCombo);
    return PassOn(c.window, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnMouseLeave(const Combo& c, WPARAM wParam, LPARAM lParam) {
    PaintComboBox(c.recordIndex, c.entryIndex, false);
    ClearHotControl(*c.record);
    return PassOn(c.window, WM_MOUSELEAVE, wParam, lParam);
}

}  // namespace

void InstallComboSkins(int parentIndex, HWND parent) { InstallControlFamily(kCombos, parentIndex, parent); }

void InstallEditAndComboSkins(int parentIndex, HWND parent) {
    if (!SkinControls) return;
    InstallEditSkins(parentIndex, parent);
    InstallComboSkins(parentIndex, parent);
}

LRESULT CALLBACK ComboSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const Combo c = FindSkinnedControl(window, &SkinnedWindow::comboControls);
    if (!c) return PassOn(window, message, wParam, lParam);
    switch (message) {
        case WM_MOVE:
            return OnMove(c, wParam, lParam);
        case WM_SETFOCUS:
            return OnSetFocus(c, wParam, lParam);
        case WM_KILLFOCUS:
            return OnKillFocus(c, wParam, lParam);
        case WM_SETTEXT:
            return OnSetText(c, wParam, lParam);
        case WM_PAINT:
            return OnPaint(c, wParam, lParam);
        case WM_ERASEBKGND:
            return EraseNothing(wParam);
        case WM_NCPAINT:
            return OnNonClientPaint(c, lParam);
        case WM_COMMAND:
            return OnCommand(c, wParam, lParam);
        case WM_CTLCOLOREDIT:
            return OnEditColour(c, wParam, lParam);
        case WM_MOUSEMOVE:
            return OnMouseMove(c, wParam, lParam);
        case WM_MOUSELEAVE:
            return OnMouseLeave(c, wParam, lParam);
        default:
            return PassOn(window, message, wParam, lParam);
    }
}

void PaintComboBox(int parentIndex, int entryIndex, bool hover, std::optional<bool> focused) {
    const ComboEntry* entry = FindLiveEntry(parentIndex, entryIndex, &SkinnedWindow::comboControls);
    if (!entry) return;
    HWND combo = entry->hwnd;
    const bool focus = focused.value_or(entry->focused == 1 || HoldsFocus(combo));
    const ComboGeometry g = MeasureCombo(combo);
    if (g.width <= 0 || g.height <= 0) return;

    OffscreenTarget target;
    target.wholeWindow = true;
    target.keyed = true;
    target.look = ComboLook(combo, g, hover, focus);
    PaintOffscreen(combo, RECT{0, 0, g.width, g.height}, target, [&](GxGraphics& surface, HDC dc) {
        FillFieldGround(dc, RECT{0, 0, g.width, g.height});
        KeepOutChildren(surface, combo, g.style);
        DrawOutline(surface, g, hover || focus);
        if (IsDropBit(g.style)) {
            DrawDropButton(surface, g, hover);
            if (IsListBit(g.style)) DrawSelectedText(surface, combo, g);
        }
    });
}

RECT ChildRectInParentWindow(HWND window) {
    if (!window || FindSkinnedWindow(window)) return RECT{};
    HWND parent = GetParent(window);
    if (!parent) return RECT{};
    return WindowRectRelativeTo(parent, window);
}

}  // namespace skin
