#include "skin/controls/ButtonSkin.h"

#include <optional>
#include <string>
#include <utility>

#include "graphics/ToolTipWindow.h"
#include "skin/controls/CheckBoxPainter.h"
#include "skin/controls/HoverTracking.h"
#include "skin/controls/Subclassing.h"
#include "graphics/GdiHandles.h"
#include "skin/core/MessageData.h"
#include "skin/draw/ButtonFaces.h"
#include "skin/draw/ControlFont.h"
#include "skin/draw/WindowQueries.h"

namespace skin {
namespace {

constexpr char kDefaultFontName[] = "宋体";
constexpr int kDefaultFontSize = 12;
constexpr LONG kOwnerDrawBits = 0x0B;  // bits 0, 1 and 3: BS_OWNERDRAW

// What every new entry gets, whatever its kind.
void PrepareCommon(ButtonEntry& entry, HWND control) {
    entry.text = ReadWindowText(control);
    entry.toolTip = MakeOwnedObject<ToolTipWindow>();
}

void StoreFont(ButtonEntry& entry, HWND control, bool withDefaults) {
    ControlFont font = CaptureControlFont(control);
    entry.fontName = font.name;
    entry.fontSize = font.size;
    entry.fontStyle = font.style;
    if (withDefaults) {
        if (entry.fontName.empty()) entry.fontName = kDefaultFontName;
        if (entry.fontSize == 0) entry.fontSize = kDefaultFontSize;
    }
}

// --- push buttons ---

bool AcceptsPushButton(HWND control) {
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    return IsPushButtonStyle(style) && !IsOwnerDrawStyle(style);
}

void PreparePushButton(ButtonEntry& entry, HWND control, HWND) {
    entry.kind = kButtonKindPush;
    PrepareCommon(entry, control);
}

// From now on the face comes through WM_DRAWITEM to the parent.
void FinishPushButton(ButtonEntry& entry, HWND control, int, int) {
    SetWindowLongA(control, GWL_STYLE, GetWindowLongA(control, GWL_STYLE) | kOwnerDrawBits);
    StoreFont(entry, control, true);
}

// --- check boxes and radio buttons ---

bool AcceptsCheckOrRadio(HWND control) {
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    return (IsAutoRadioButton(control) || IsCheckBoxStyle(style)) && !IsOwnerDrawStyle(style);
}

void PrepareCheckOrRadio(ButtonEntry& entry, HWND control, HWND parent) {
    PrepareCommon(entry, control);
    entry.initialCheck = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    entry.parentWindow = parent;
    entry.kind = IsCheckBoxStyle(GetWindowLongA(control, GWL_STYLE)) ? kButtonKindCheckBox : kButtonKindRadio;
}

// Stored as captured; the painters fall back to a default face when it is empty.
void FinishCheckOrRadio(ButtonEntry& entry, HWND control, int, int) { StoreFont(entry, control, false); }

const ControlFamily<ButtonEntry> kPushButtons = {
    "BUTTON", &SkinnedWindow::buttonControls, ButtonSkinProc, AcceptsPushButton, PreparePushButton, FinishPushButton};
const ControlFamily<ButtonEntry> kCheckAndRadioButtons = {
    "BUTTON",          &SkinnedWindow::buttonControls, ButtonSkinProc, AcceptsCheckOrRadio, PrepareCheckOrRadio,
    FinishCheckOrRadio};

using Button = SkinnedControl<ButtonEntry>;

bool PaintsItself(int kind) { return kind == kButtonKindRadio || kind == kButtonKindCheckBox; }

// Check boxes and radio buttons are painted by the skin alone; the state only matters
// for hover.
void PaintOwnLook(HWND window, int kind, UINT itemState) {
    if (kind == kButtonKindCheckBox) PaintCheckBox(window, itemState);
    if (kind == kButtonKindRadio) PaintRadioButton(window, itemState);
}

// A repaint of the hot switch keeps the hover look.
UINT HotState(const Button& b) { return b.record->isHot(kHotKindButton, b.entryIndex) ? ODS_HOTLIGHT : 0; }

// --- messages, in the order of the skin's table ---

LRESULT OnMove(const Button& b, WPARAM wParam, LPARAM lParam) {
    InvalidateRect(b.window, nullptr, TRUE);
    return PassOn(b.window, WM_MOVE, wParam, lParam);
}

// A focused check box or radio button wears the hover look, so that a keyboard user sees
// where the focus is; the system draws its own look on a focus change, which is painted over.
LRESULT OnFocus(const Button& b, UINT message, WPARAM wParam, LPARAM lParam) {
    b.entry->focused = message == WM_SETFOCUS ? 1 : 0;
    const int kind = b.entry->kind;
    const UINT hot = HotState(b);
    const LRESULT result = PassOn(b.window, message, wParam, lParam);
    if (PaintsItself(kind)) PaintOwnLook(b.window, kind, hot);
    return result;
}

// The press state changes on a press, on moves in and out while the button is held, and
// on the space bar; enabling and disabling change the look too. The system draws its own
// glyph each time, which is painted over at once.
LRESULT OnStateChange(const Button& b, UINT message, WPARAM wParam, LPARAM lParam) {
    const int kind = b.entry->kind;
    const UINT hot = HotState(b);
    const LRESULT result = PassOn(b.window, message, wParam, lParam);
    if (PaintsItself(kind)) PaintOwnLook(b.window, kind, hot);
    return result;
}

// The skin draws no focus rectangle and no access-key underline over its faces; asking
// the control's own painting to draw none keeps the system's cue from flashing in between.
LRESULT OnQueryUiState() { return UISF_HIDEFOCUS | UISF_HIDEACCEL; }

// A null text is an empty caption; a text that cannot be read leaves the caption as it
// was. Check boxes and radio buttons draw themselves in the system's look when their text
// changes and nothing repaints them after, so the skin paints over that at once.
LRESULT OnSetText(const Button& b, WPARAM wParam, LPARAM lParam) {
    if (std::optional<std::string> text = ReadMessageText(lParam)) b.entry->text = std::move(*text);
    const int kind = b.entry->kind;
    const LRESULT result = PassOn(b.window, WM_SETTEXT, wParam, lParam);
    PaintOwnLook(b.window, kind, 0);
    return result;
}

LRESULT OnPaint(const Button& b, WPARAM wParam, LPARAM lParam) {
    if (!PaintsItself(b.entry->kind)) return PassOn(b.window, WM_PAINT, wParam, lParam);
    return PaintInsteadOfControl(b.window, wParam, lParam, [&] { PaintOwnLook(b.window, b.entry->kind, HotState(b)); });
}

LRESULT OnEraseBackground(const Button& b, WPARAM wParam) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    if (!dc) return 0;
    SetBkMode(dc, TRANSPARENT);
    return static_cast<LRESULT>(SetTextColor(dc, GetPropColour(b.window, kPropTextColour)));
}

// The system changes the state (and draws its own look); the skin paints over it at once.
LRESULT OnCheckOrPress(const Button& b, UINT message, WPARAM wParam, LPARAM lParam) {
    const int kind = b.entry->kind;
    if (!PaintsItself(kind)) return PassOn(b.window, message, wParam, lParam);
    PassOn(b.window, message, wParam, lParam);
    PaintOwnLook(b.window, kind, kind == kButtonKindRadio ? ODS_SELECTED : 0);
    return DefWindowProcA(b.window, message, wParam, lParam);
}

LRESULT OnMouseMove(const Button& b, WPARAM wParam, LPARAM lParam) {
    TrackHover(b, kHotKindButton, [&] { RepaintButtonState(b.window, 0, true); });
    return PassOn(b.window, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnLeftButtonUp(const Button& b, WPARAM wParam, LPARAM lParam) {
    ClearHotControl(*b.record);
    return PassOn(b.window, WM_LBUTTONUP, wParam, lParam);
}

LRESULT OnMouseLeave(const Button& b, WPARAM wParam, LPARAM lParam) {
    ClearHotControl(*b.record);
    RepaintButtonState(b.window, b.entry->focused == 1 ? ODS_FOCUS : 0, false);
    return PassOn(b.window, WM_MOUSELEAVE, wParam, lParam);
}

}  // namespace

bool IsPushButtonStyle(LONG style) { return !(style & 0x2) && !(style & 0x4) && (style & 0x9) != 0x9; }

bool IsCheckBoxStyle(LONG style) { return (style & 0x2) && !(style & 0x4); }

bool IsOwnerDrawStyle(LONG style) { return (style | kOwnerDrawBits) == style; }

void InstallPushButtonSkin(int parentIndex, HWND parent) { InstallControlFamily(kPushButtons, parentIndex, parent); }

void InstallCheckRadioSkin(int parentIndex, HWND parent) {
    InstallControlFamily(kCheckAndRadioButtons, parentIndex, parent);
}

int FindButtonEntry(int parentIndex, HWND window) {
    const SkinnedWindow* record = GetSkinnedWindow(parentIndex);
    return record ? record->buttonControls.findWindow(window) : 0;
}

LRESULT CALLBACK ButtonSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const Button b = FindSkinnedControl(window, &SkinnedWindow::buttonControls);
    if (!b) return PassOn(window, message, wParam, lParam);
    switch (message) {
        case WM_MOVE:
            return OnMove(b, wParam, lParam);
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            return OnFocus(b, message, wParam, lParam);
        case WM_SETTEXT:
            return OnSetText(b, wParam, lParam);
        case WM_PAINT:
            return OnPaint(b, wParam, lParam);
        case WM_ERASEBKGND:
            return OnEraseBackground(b, wParam);
        case WM_NCPAINT:
            return 1;
        case BM_SETCHECK:
        case WM_LBUTTONDOWN:
            return OnCheckOrPress(b, message, wParam, lParam);
        case WM_KEYDOWN:
            if (wParam == VK_SPACE) return OnCheckOrPress(b, message, wParam, lParam);
            return PassOn(window, message, wParam, lParam);
        case WM_MOUSEMOVE:
            return OnMouseMove(b, wParam, lParam);
        case WM_LBUTTONUP:
            return OnLeftButtonUp(b, wParam, lParam);
        case WM_LBUTTONDBLCLK:
            return 0;
        case BM_SETSTATE:
        case WM_ENABLE:
            return OnStateChange(b, message, wParam, lParam);
        case WM_QUERYUISTATE:
            return OnQueryUiState();
        case WM_MOUSELEAVE:
            return OnMouseLeave(b, wParam, lParam);
        default:
            return PassOn(window, message, wParam, lParam);
    }
}

void RepaintButtonState(HWND button, UINT itemState, bool hover) {
    const Button b = FindSkinnedControl(button, &SkinnedWindow::buttonControls);
    if (!b) return;
    if (hover) itemState |= ODS_HOTLIGHT;
    switch (b.entry->kind) {
        case kButtonKindPush:
        case kButtonKindStyle1:
        case kButtonKindStyle3: {
            // The faces belong to the owner-draw dispatcher; this DC is released here, once.
            gdi::WindowDC dc = gdi::WindowDC::Client(button);
            if (!dc) return;
            DRAWITEMSTRUCT item = {};
            item.CtlType = ODT_BUTTON;
            item.CtlID = static_cast<UINT>(GetDlgCtrlID(button));
            item.itemAction = ODA_DRAWENTIRE;
            item.itemState = itemState;
            item.hwndItem = button;
            item.hDC = dc.get();
            GetClientRect(button, &item.rcItem);
            PaintOwnerDrawButton(b.recordIndex, item);
            break;
        }
        default:
            PaintOwnLook(button, b.entry->kind, itemState);
            break;
    }
}

}  // namespace skin
