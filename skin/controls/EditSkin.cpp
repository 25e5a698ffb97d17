#include "skin/controls/EditSkin.h"

#include "graphics/GxGraphics.h"
#include "graphics/GxPenBrush.h"
#include "skin/controls/HoverTracking.h"
#include "skin/controls/OffscreenPaint.h"
#include "skin/controls/ScrollBars.h"
#include "skin/controls/Subclassing.h"
#include "skin/draw/Backgrounds.h"
#include "skin/draw/Colour.h"
#include "skin/draw/FaceCache.h"
#include "skin/draw/Geometry.h"
#include "skin/draw/WindowQueries.h"
#include "skin/draw/ColourAnswers.h"

namespace skin {
namespace {

constexpr int kOutlineAlpha = 180;  // theme-colour outlines: focus and hover
constexpr int kFaintAlpha = 80;     // the resting outline
constexpr float kHoverPenWidth = 2.0f;

using Edit = SkinnedControl<EditEntry>;

// Skinned edit text is black unless someone sets another colour later.
void PrepareEdit(EditEntry&, HWND control, HWND) { SetPropColour(control, kPropTextColour, kBlack); }

const ControlFamily<EditEntry> kEdits = {"Edit", &SkinnedWindow::editControls, EditSkinProc, nullptr, PrepareEdit,
                                         nullptr};

// The window's size and the part of it the system draws (text area and scroll bars);
// what lies around that part is the border ring.
struct FrameGeometry {
    int width = 0;
    int height = 0;
    RECT content = {};

    bool ringIsEmpty() const {
        return content.left <= 0 && content.top <= 0 && content.right >= width && content.bottom >= height;
    }
};

FrameGeometry MeasureFrame(HWND edit) {
    RECT window = {};
    GetWindowRect(edit, &window);
    FrameGeometry frame;
    frame.width = window.right - window.left;
    frame.height = window.bottom - window.top;
    frame.content = ScrollAreaRect(edit);
    return frame;
}

bool IsInsideComboBox(HWND edit) { return GetWindowClassName(GetParent(edit)) == "ComboBox"; }

// The edit under the pointer, as the record last drew it.
bool IsHotEdit(const Edit& e) {
    const SkinnedWindow& record = *e.record;
    return record.hotIndex == e.entryIndex && record.hotKind == kHotKindEdit && record.hotParent == GetParent(e.window);
}

// The ring as it should look now: focus from the entry, hover while the edit is hot.
void RepaintFrame(const Edit& e) { PaintEditFrame(e.window, IsHotEdit(e)); }

void InvalidateWhole(HWND window) { InvalidateRect(window, nullptr, TRUE); }

// Every key, click or drag step may move text over background the edit will not erase.
bool NeedsInvalidationOnInput(HWND window) { return SkinTranslucentEdits && !HasScrollBar(window); }

// --- messages, in the order of the skin's table ---

LRESULT OnMove(HWND window, WPARAM wParam, LPARAM lParam) {
    if (SkinTranslucentEdits) InvalidateWhole(window);
    return PassOn(window, WM_MOVE, wParam, lParam);
}

// The system moves the caret and redraws only the text; the ring is the skin's to update.
LRESULT OnSetFocus(const Edit& e, WPARAM wParam, LPARAM lParam) {
    e.entry->focused = 1;
    const LRESULT result = PassOn(e.window, WM_SETFOCUS, wParam, lParam);
    RepaintFrame(e);
    return result;
}

LRESULT OnKillFocus(const Edit& e, WPARAM wParam, LPARAM lParam) {
    e.entry->focused = 0;
    if (IsInsideComboBox(e.window)) {
        RepaintFrame(e);
    } else {
        InvalidateWhole(e.window);
    }
    return PassOn(e.window, WM_KILLFOCUS, wParam, lParam);
}

LRESULT OnPaint(const Edit& e, WPARAM wParam, LPARAM lParam) {
    RepaintFrame(e);
    return PassOn(e.window, WM_PAINT, wParam, lParam);
}

LRESULT OnEraseBackground(HWND window, WPARAM wParam, LPARAM lParam) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    if (!SkinTranslucentEdits || !dc) return PassOn(window, WM_ERASEBKGND, wParam, lParam);
    SetBkMode(dc, TRANSPARENT);
    PaintVeiledBackground(window, dc, true);
    return 1;
}

// The region that came with the message is not used: the skin paints the whole ring and
// lets the system paint the scroll bars and nothing else.
LRESULT OnNonClientPaint(const Edit& e, LPARAM lParam) {
    RepaintFrame(e);
    return PaintOnlyScrollBars(e.window, lParam);
}

LRESULT OnKeyDown(HWND window, WPARAM wParam, LPARAM lParam) {
    if (NeedsInvalidationOnInput(window)) InvalidateWhole(window);
    return PassOn(window, WM_KEYDOWN, wParam, lParam);
}

LRESULT OnScroll(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (SkinTranslucentEdits) InvalidateWhole(window);
    return PassOn(window, message, wParam, lParam);
}

// Edits also compare the parent, so that an edit under another parent that happens to
// hold the hot entry index is still drawn hot.
LRESULT OnMouseMove(const Edit& e, WPARAM wParam, LPARAM lParam) {
    SkinnedWindow& record = *e.record;
    HWND parent = GetParent(e.window);
    const bool otherControlWasHot = NoteMouseMove(e.window, record, e.entryIndex, kHotKindEdit);
    if (otherControlWasHot || record.hotParent != parent) {
        PaintEditFrame(e.window, true);
        SetHotControl(record, kHotKindEdit);
        record.hotParent = parent;
    }
    if (e.entry->buttonDown == 1 && !HasScrollBar(e.window)) InvalidateWhole(e.window);
    return PassOn(e.window, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnLeftButtonDown(const Edit& e, WPARAM wParam, LPARAM lParam) {
    e.entry->buttonDown = 1;
    if (NeedsInvalidationOnInput(e.window)) InvalidateWhole(e.window);
    return PassOn(e.window, WM_LBUTTONDOWN, wParam, lParam);
}

LRESULT OnLeftButtonUp(const Edit& e, WPARAM wParam, LPARAM lParam) {
    e.entry->buttonDown = 0;
    return PassOn(e.window, WM_LBUTTONUP, wParam, lParam);
}

LRESULT OnMouseLeave(const Edit& e, WPARAM wParam, LPARAM lParam) {
    ClearHotControl(*e.record);
    PaintEditFrame(e.window, false, e.entry->focused == 1);
    return PassOn(e.window, WM_MOUSELEAVE, wParam, lParam);
}

}  // namespace

void InstallEditSkins(int parentIndex, HWND parent) { InstallControlFamily(kEdits, parentIndex, parent); }

int InstallEditSkin(int parentIndex, HWND edit, HWND parent) {
    return InstallControl(kEdits, parentIndex, edit, parent);
}

int FindEditEntry(int parentIndex, HWND window) {
    const SkinnedWindow* record = GetSkinnedWindow(parentIndex);
    return record ? record->editControls.findWindow(window) : 0;
}

LRESULT CALLBACK EditSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The colour objects belong to the edit whether or not its entry can still be found;
    // their properties go too, so that nothing deletes the same handles again.
    if (message == WM_DESTROY) {
        ReleaseColourObjects(window);
        return PassOn(window, message, wParam, lParam);
    }
    const Edit e = FindSkinnedControl(window, &SkinnedWindow::editControls);
    if (!e) return PassOn(window, message, wParam, lParam);
    switch (message) {
        case WM_MOVE:
            return OnMove(window, wParam, lParam);
        case WM_SETFOCUS:
            return OnSetFocus(e, wParam, lParam);
        case WM_KILLFOCUS:
            return OnKillFocus(e, wParam, lParam);
        case WM_PAINT:
            return OnPaint(e, wParam, lParam);
        case WM_ERASEBKGND:
            return OnEraseBackground(window, wParam, lParam);
        case WM_NCPAINT:
            return OnNonClientPaint(e, lParam);
        case WM_KEYDOWN:
            return OnKeyDown(window, wParam, lParam);
        case WM_HSCROLL:
        case WM_VSCROLL:
            return OnScroll(window, message, wParam, lParam);
        case WM_MOUSEMOVE:
            return OnMouseMove(e, wParam, lParam);
        case WM_LBUTTONDOWN:
            return OnLeftButtonDown(e, wParam, lParam);
        case WM_LBUTTONUP:
            return OnLeftButtonUp(e, wParam, lParam);
        case WM_MOUSELEAVE:
            return OnMouseLeave(e, wParam, lParam);
        default:
            return PassOn(window, message, wParam, lParam);
    }
}

void PaintEditFrame(HWND edit, bool hover, std::optional<bool> focused) {
    const Edit e = FindSkinnedControl(edit, &SkinnedWindow::editControls);
    if (!e) return;
    const bool focus = focused.value_or(e.entry->focused == 1);
    const FrameGeometry frame = MeasureFrame(edit);
    // A borderless edit (a combo box's field, an output box) has no ring to paint.
    if (frame.width <= 0 || frame.height <= 0 || frame.ringIsEmpty()) return;

    const RECT& content = frame.content;
    OffscreenTarget target;
    target.wholeWindow = true;
    target.excludeGiven = true;
    target.exclude = content;
    target.look = LookText("edit-ring").add(hover).add(focus).add(SkinTranslucentEdits).add(content).text();
    PaintOffscreen(edit, RECT{0, 0, frame.width, frame.height}, target, [&](GxGraphics& surface, HDC dc) {
        surface.SetClipRect(0, 0, static_cast<float>(frame.width), static_cast<float>(frame.height),
                            Gdiplus::CombineModeReplace);
        surface.SetClipRect(static_cast<float>(content.left), static_cast<float>(content.top),
                            static_cast<float>(content.right - content.left),
                            static_cast<float>(content.bottom - content.top), Gdiplus::CombineModeXor);
        FillFieldGround(dc, RECT{0, 0, frame.width, frame.height}, &content);
        DrawEditBorder(edit, focus, hover, surface);
    });
}

void DrawEditBorder(HWND edit, bool focused, bool hover, GxGraphics& surface) {
    if (!FindRegisteredAncestor(edit)) return;
    RECT window = {};
    if (!GetWindowRect(edit, &window)) return;
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;

    GxPen pen;
    if (hover) {
        if (!pen.CreatePen1(RgbToArgb(SkinThemeColour, kOutlineAlpha, true), kHoverPenWidth)) return;
        surface.DrawRectangleI(pen, 1, 1, width - 2, height - 2);
        return;
    }
    const Gdiplus::ARGB colour = focused ? RgbToArgb(SkinThemeColour, kOutlineAlpha, true) : Black(kFaintAlpha);
    if (!pen.CreatePen1(colour, 1.0f)) return;
    surface.DrawRectangleI(pen, 0, 0, width - 1, height - 1);
}

void PaintVeiledBackground(HWND control, HDC dc, bool isClientDC) {
    const RECT area = ClientRectInWindow(control);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    OffscreenTarget target;
    if (isClientDC) {
        target.dc = dc;
    } else {
        target.wholeWindow = true;
        target.at = POINT{area.left, area.top};
    }
    target.look = "veil";
    PaintOffscreen(control, area, target, [&](GxGraphics&, HDC dc) { FillVeil(dc, width, height); });
}

}  // namespace skin
