#include "skin/controls/ListSkin.h"

#include <commctrl.h>

#include <string>

#include "skin/controls/HoverTracking.h"
#include "skin/controls/ListPainting.h"
#include "skin/controls/OffscreenPaint.h"
#include "skin/controls/Subclassing.h"
#include "skin/draw/ColourAnswers.h"
#include "skin/draw/WindowQueries.h"

namespace skin {
namespace {

constexpr char kListBoxClass[] = "ListBox";
constexpr char kComboBoxClass[] = "ComboBox";
constexpr char kComboListClass[] = "ComboLBox";
constexpr char kListViewClass[] = "SysListView32";
constexpr char kTreeViewClass[] = "SysTreeView32";
constexpr char kIpAddressClass[] = "SysIPAddress32";
constexpr char kDateTimeClass[] = "SysDateTimePick32";

// For a list view this bit is LVS_SORTASCENDING; such list views keep their own look.
constexpr LONG kListViewSkipBit = 0x0010;

// The list box's own switch for its caret (the dotted focus rectangle), as a combo box
// turns it off in its list; winuser.h leaves it out.
constexpr UINT kListBoxCaretOff = 0x01A4;

// The skin's outline shows the focus wherever it paints the ring; the system's dotted
// rectangle would only be drawn over the content.
bool OutlineShowsFocus(HWND window) { return IsListFramePainted(window); }

// Wine's list box ignores the UI state and turns its caret on at every focus.
// Turned off, the caret takes the dotted rectangle it has just drawn with it.
void TurnOffCaret(HWND listBox) {
    if (!IsOwnerDrawListBox(listBox) && OutlineShowsFocus(listBox)) SendMessageA(listBox, kListBoxCaretOff, 0, 0);
}

// --- installing ---

bool AcceptsListView(HWND control) { return (GetWindowLongA(control, GWL_STYLE) & kListViewSkipBit) == 0; }

// Item texts without a background of their own, so the veiled background shows.
void FinishListView(ListEntry&, HWND control, int, int) {
    if (SkinTranslucentEdits) SendMessageA(control, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE));
}

// The tree paints its background in the key colour, which the content copy leaves out.
void FinishTreeView(ListEntry&, HWND control, int, int) {
    if (SkinTranslucentEdits) SendMessageA(control, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(kKeyColour));
}

// A list box that has the focus already has its caret drawn.
void FinishListBox(ListEntry&, HWND control, int, int) {
    if (GetFocus() == control) TurnOffCaret(control);
}

const ControlFamily<ListEntry> kListBoxes = {
    kListBoxClass, &SkinnedWindow::listControls, ListSkinProc, nullptr, nullptr, FinishListBox};
const ControlFamily<ListEntry> kComboLists = {kComboListClass, &SkinnedWindow::listControls, ListSkinProc};
const ControlFamily<ListEntry> kListViews = {
    kListViewClass, &SkinnedWindow::listControls, ListSkinProc, AcceptsListView, nullptr, FinishListView};
const ControlFamily<ListEntry> kTreeViews = {
    kTreeViewClass, &SkinnedWindow::listControls, ListSkinProc, nullptr, nullptr, FinishTreeView};
const ControlFamily<ListEntry> kIpAddresses = {kIpAddressClass, &SkinnedWindow::listControls, ListSkinProc};
const ControlFamily<ListEntry> kDateTimePickers = {kDateTimeClass, &SkinnedWindow::listControls, ListSkinProc};

// The list of each combo box, when the list is the combo's own child; a drop-down list
// that lives elsewhere stays unskinned, and so does an owner-drawn one.
void InstallComboLists(int parentIndex, HWND parent) {
    if (!SkinControls || !GetSkinnedWindow(parentIndex)) return;
    ForEachChildOfClass(parent, kComboBoxClass, [&](HWND combo) {
        HWND list = FindWindowExA(combo, nullptr, kComboListClass, nullptr);
        if (!list || (GetWindowLongA(list, GWL_STYLE) & LBS_OWNERDRAWFIXED)) return;
        InstallControl(kComboLists, parentIndex, list, parent);
    });
}

// --- messages, in the order of the skin's table ---

using List = SkinnedControl<ListEntry>;

enum class ListKind { kTree, kListView, kListBox, kComboList, kIpAddress, kOther };

ListKind KindOf(HWND window) {
    const std::string name = GetWindowClassName(window);
    if (name == kTreeViewClass) return ListKind::kTree;
    if (name == kListViewClass) return ListKind::kListView;
    if (name == kListBoxClass) return ListKind::kListBox;
    if (name == kComboListClass) return ListKind::kComboList;
    if (name == kIpAddressClass) return ListKind::kIpAddress;
    return ListKind::kOther;
}

bool IsTextOrScrollChange(WORD code) {
    return code == EN_VSCROLL || code == EN_HSCROLL || code == EN_CHANGE || code == EN_UPDATE;
}

// One of the IP control's own edit fields.
bool IsIpField(const List& l, HWND field) {
    return field && GetParent(field) == l.window && HasWindowClass(field, "Edit");
}

bool IsArrowKey(WPARAM key) { return key >= VK_LEFT && key <= VK_DOWN; }

// The see-through content is composed for the current position, so anything that moves
// it on screen or moves the items inside it needs a whole new paint.
LRESULT RepaintWhenTranslucent(const List& l, UINT message, WPARAM wParam, LPARAM lParam) {
    if (SkinTranslucentEdits) InvalidateRect(l.window, nullptr, TRUE);
    return PassOn(l.window, message, wParam, lParam);
}

LRESULT OnFocus(const List& l, UINT message, WPARAM wParam, LPARAM lParam) {
    l.entry->focused = message == WM_SETFOCUS ? 1 : 0;
    PaintListFrame(l.recordIndex, l.entryIndex);
    const LRESULT result = PassOn(l.window, message, wParam, lParam);
    if (message == WM_SETFOCUS && KindOf(l.window) == ListKind::kListBox) TurnOffCaret(l.window);
    return result;
}

// Controls that ask their UI state before drawing focus rectangles or access keys are told
// to hide both.
LRESULT OnQueryUiState(const List& l, WPARAM wParam, LPARAM lParam) {
    const LRESULT state = PassOn(l.window, WM_QUERYUISTATE, wParam, lParam);
    return OutlineShowsFocus(l.window) ? (state | UISF_HIDEFOCUS | UISF_HIDEACCEL) : state;
}

// The IP control's fields ask it, their parent, for their colours: veiled like any edit.
LRESULT OnFieldColour(const List& l, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND field = reinterpret_cast<HWND>(lParam);
    if (SkinTranslucentEdits && KindOf(l.window) == ListKind::kIpAddress && IsIpField(l, field)) {
        if (HBRUSH brush = AnswerWithPatternBrush(field, reinterpret_cast<HDC>(wParam))) {
            return reinterpret_cast<LRESULT>(brush);
        }
    }
    return PassOn(l.window, message, wParam, lParam);
}

// A field's text moved over ground it does not erase itself, as in a combo box's field.
LRESULT OnCommand(const List& l, WPARAM wParam, LPARAM lParam) {
    HWND source = reinterpret_cast<HWND>(lParam);
    if (SkinTranslucentEdits && IsTextOrScrollChange(HIWORD(wParam)) && KindOf(l.window) == ListKind::kIpAddress &&
        IsIpField(l, source)) {
        InvalidateRect(source, nullptr, TRUE);
    }
    return PassOn(l.window, WM_COMMAND, wParam, lParam);
}

LRESULT OnPaint(const List& l, WPARAM wParam, LPARAM lParam) {
    PaintListFrame(l.recordIndex, l.entryIndex);
    if (SkinTranslucentEdits) {
        std::optional<LRESULT> painted;
        switch (KindOf(l.window)) {
            case ListKind::kTree:
                painted = PaintTranslucentTree(l.window, lParam);
                break;
            case ListKind::kIpAddress:
                painted = PaintTranslucentIpAddress(l.window, lParam);
                break;
            case ListKind::kListView:
            case ListKind::kListBox:
                painted = PaintTranslucentList(l.window, lParam);
                break;
            default:
                break;
        }
        if (painted) return *painted;
    }
    return PassOn(l.window, WM_PAINT, wParam, lParam);
}

LRESULT OnEraseBackground(const List& l, WPARAM wParam, LPARAM lParam) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    if (!SkinTranslucentEdits || !dc) return PassOn(l.window, WM_ERASEBKGND, wParam, lParam);
    const ListKind kind = KindOf(l.window);
    const bool ownerDrawList = IsOwnerDrawListBox(l.window);
    // Content painting covers the whole client area; erasing first would only flicker.
    if (kind == ListKind::kTree || kind == ListKind::kListView || (kind == ListKind::kListBox && !ownerDrawList)) {
        SetBkMode(dc, TRANSPARENT);
        return 1;
    }
    if (!ownerDrawList && kind != ListKind::kComboList) {
        SetBkMode(dc, TRANSPARENT);
        PaintVeiledClient(l.window, dc);
        SetTextColor(dc, GetPropColour(l.window, kPropTextColour));
        return 1;
    }
    return PassOn(l.window, WM_ERASEBKGND, wParam, lParam);
}

// The previous procedure never sees this message: the skin owns the ring, the system
// draws only the scroll bars.
LRESULT OnNonClientPaint(const List& l, WPARAM wParam, LPARAM lParam) {
    PaintListFrame(l.recordIndex, l.entryIndex);
    return PaintSystemNonClient(l.window, wParam, lParam);
}

LRESULT OnKeyDown(const List& l, WPARAM wParam, LPARAM lParam) {
    const bool arrow = IsArrowKey(wParam);
    if (arrow) l.entry->arrowKeyDown = 1;
    const LRESULT result = PassOn(l.window, WM_KEYDOWN, wParam, lParam);
    // Queued behind the control's own handling of the key, so the repaint sees the items
    // where the key has put them.
    if (arrow && SkinTranslucentEdits) PostMessageA(l.window, kListArrowKeyTick, 0, 0);
    return result;
}

LRESULT OnKeyUp(const List& l, WPARAM wParam, LPARAM lParam) {
    ReleaseCapture();
    l.entry->arrowKeyDown = 0;
    return PassOn(l.window, WM_KEYUP, wParam, lParam);
}

LRESULT OnMouseMove(const List& l, WPARAM wParam, LPARAM lParam) {
    TrackHover(l, kHotKindList, [&] {
        l.entry->hover = 1;
        PaintListFrame(l.recordIndex, l.entryIndex, true);
    });
    return PassOn(l.window, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnMouseLeave(const List& l, WPARAM wParam, LPARAM lParam) {
    ClearHotControl(*l.record);
    l.entry->hover = 0;
    PaintListFrame(l.recordIndex, l.entryIndex, false);
    return PassOn(l.window, WM_MOUSELEAVE, wParam, lParam);
}

LRESULT OnArrowKeyTick(const List& l, WPARAM wParam, LPARAM lParam) {
    if (SkinTranslucentEdits && l.entry->arrowKeyDown == 1) InvalidateRect(l.window, nullptr, FALSE);
    return PassOn(l.window, kListArrowKeyTick, wParam, lParam);
}

// Some of these controls draw their enabled or disabled look straight away, over the skin.
LRESULT OnEnable(const List& l, WPARAM wParam, LPARAM lParam) {
    const HWND window = l.window;
    const LRESULT result = PassOn(window, WM_ENABLE, wParam, lParam);
    if (SkinTranslucentEdits) {
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    return result;
}

}  // namespace

void InstallListSkin(int parentIndex, HWND parent) {
    InstallControlFamily(kListBoxes, parentIndex, parent);
    InstallComboLists(parentIndex, parent);
    InstallControlFamily(kListViews, parentIndex, parent);
    InstallControlFamily(kTreeViews, parentIndex, parent);
    InstallControlFamily(kIpAddresses, parentIndex, parent);
    InstallControlFamily(kDateTimePickers, parentIndex, parent);
}

namespace {

LRESULT Dispatch(const List& l, UINT message, WPARAM wParam, LPARAM lParam);

// Where a list box's selection, caret and first row stand: when a message moves them, the
// list box has redrawn the rows concerned straight on screen, opaque.
struct RowState {
    LRESULT selected, caret, top, count;
    bool operator==(const RowState& o) const {
        return selected == o.selected && caret == o.caret && top == o.top && count == o.count;
    }
};

RowState ReadRows(HWND list) {
    return RowState{SendMessageA(list, LB_GETCURSEL, 0, 0), SendMessageA(list, LB_GETCARETINDEX, 0, 0),
                    SendMessageA(list, LB_GETTOPINDEX, 0, 0), SendMessageA(list, LB_GETSELCOUNT, 0, 0)};
}

// Plain moves, the most frequent message, select nothing; only a held button does.
bool MayRedrawRows(UINT message, WPARAM wParam) {
    switch (message) {
        case WM_MOUSEMOVE:
            return (wParam & MK_LBUTTON) != 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_KEYDOWN:
        case WM_CHAR:
        case WM_TIMER:
        case LB_SETCURSEL:
        case LB_SETSEL:
        case LB_SETCARETINDEX:
        case LB_SELITEMRANGE:
        case LB_SELITEMRANGEEX:
        case LB_SELECTSTRING:
            return true;
        default:
            return false;
    }
}

}  // namespace

LRESULT CALLBACK ListSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const List l = FindSkinnedControl(window, &SkinnedWindow::listControls);
    if (!l) return PassOn(window, message, wParam, lParam);
    if (!SkinTranslucentEdits || !MayRedrawRows(message, wParam) || !IsMattedListBox(window)) {
        return Dispatch(l, message, wParam, lParam);
    }
    const RowState before = ReadRows(window);
    const LRESULT result = Dispatch(l, message, wParam, lParam);
    // Painted over at once, before the opaque rows can be seen.
    if (IsWindow(window) && !(ReadRows(window) == before)) {
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
    }
    return result;
}

namespace {

LRESULT Dispatch(const List& l, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = l.window;
    switch (message) {
        case WM_MOVE:
            return RepaintWhenTranslucent(l, message, wParam, lParam);
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            return OnFocus(l, message, wParam, lParam);
        case WM_PAINT:
            return OnPaint(l, wParam, lParam);
        case WM_ERASEBKGND:
            return OnEraseBackground(l, wParam, lParam);
        case WM_NCPAINT:
            return OnNonClientPaint(l, wParam, lParam);
        case WM_KEYDOWN:
            return OnKeyDown(l, wParam, lParam);
        case WM_KEYUP:
            return OnKeyUp(l, wParam, lParam);
        case WM_HSCROLL:
        case WM_VSCROLL:
            return RepaintWhenTranslucent(l, message, wParam, lParam);
        case WM_MOUSEMOVE:
            return OnMouseMove(l, wParam, lParam);
        case WM_MOUSEWHEEL:
            return RepaintWhenTranslucent(l, message, wParam, lParam);
        case WM_MOUSELEAVE:
            return OnMouseLeave(l, wParam, lParam);
        case kListArrowKeyTick:
            return OnArrowKeyTick(l, wParam, lParam);
        case WM_QUERYUISTATE:
            return OnQueryUiState(l, wParam, lParam);
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            return OnFieldColour(l, message, wParam, lParam);
        case WM_COMMAND:
            return OnCommand(l, wParam, lParam);
        case WM_ENABLE:
            return OnEnable(l, wParam, lParam);
        default:
            return PassOn(window, message, wParam, lParam);
    }
}

}  // namespace

}  // namespace skin
