// The sub-window procedure. Handlers follow the order of the sub-window's message table;
// a message whose condition fails goes on unchanged to the replaced procedure.
#include "skin/frame/SubWindowProc.h"

#include <commctrl.h>

#include "skin/core/Properties.h"
#include "skin/core/SkinRegistry.h"
#include "skin/core/SkinSettings.h"
#include "skin/draw/ButtonFaces.h"
#include "skin/draw/WindowQueries.h"
#include "skin/draw/ColourAnswers.h"
#include "skin/frame/FrameResources.h"
#include "skin/frame/SubWindowPainting.h"

namespace skin {
namespace {

constexpr int kOpaqueAlpha = 0xFF;

struct SubWindowMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    int recordIndex;
    int entryIndex;

    // The entry, looked up afresh: a handler that sends messages may see the lists change.
    SubWindowEntry* entry() const {
        SkinnedWindow* record = GetSkinnedWindow(recordIndex);
        SubWindowEntry* found = record ? record->subWindows.at(entryIndex) : nullptr;
        return found && found->hwnd == window ? found : nullptr;
    }
    LRESULT passOn() const { return CallPreviousProc(window, message, wParam, lParam); }
    HDC dc() const { return reinterpret_cast<HDC>(wParam); }
    HWND control() const { return reinterpret_cast<HWND>(lParam); }
};

// Structures behind lParam are copied with a checked read, so a bad pointer is only ignored.
template <class T>
bool CopyFromMessage(LPARAM lParam, T& out) {
    if (!lParam) return false;
    SIZE_T read = 0;
    return ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<const void*>(lParam), &out, sizeof(T), &read) &&
           read == sizeof(T);
}

bool HasClass(HWND window, const char* className) {
    return window && lstrcmpiA(GetWindowClassName(window).c_str(), className) == 0;
}

bool ColourAnswersOn() { return SkinControls && SkinTranslucentEdits; }

bool SelfPainted(const SubWindowMessage& m) {
    const SubWindowEntry* entry = m.entry();
    return entry && entry->selfPainted;
}

LRESULT Answer(const SubWindowMessage& m, HBRUSH brush) {
    return brush ? reinterpret_cast<LRESULT>(brush) : m.passOn();
}

LRESULT OnMove(const SubWindowMessage& m) {
    // A translucent veil shows what lies under the new place.
    const SubWindowEntry* entry = m.entry();
    if (entry && entry->selfPainted && (entry->veilAlpha & 0xFF) != kOpaqueAlpha) {
        InvalidateRect(m.window, nullptr, FALSE);
    }
    return m.passOn();
}

LRESULT OnSize(const SubWindowMessage& m) {
    if (SubWindowEntry* entry = m.entry()) {
        entry->needsRebuild = 1;
        LayoutSubWindowPages(m.recordIndex, m.entryIndex);
    }
    return m.passOn();
}

LRESULT OnPaint(const SubWindowMessage& m) {
    const SubWindowEntry* entry = m.entry();
    if (!entry || !entry->selfPainted) return m.passOn();
    const bool rebuild = entry->needsRebuild != 0;
    PAINTSTRUCT ps = {};
    HDC dc = BeginPaint(m.window, &ps);
    if (rebuild) {
        PaintSubWindow(m.recordIndex, m.entryIndex, dc);
    } else {
        RepaintSubWindow(m.recordIndex, m.entryIndex, m.window, dc);
    }
    EndPaint(m.window, &ps);
    return DefWindowProcA(m.window, WM_PAINT, m.wParam, m.lParam);
}

LRESULT OnEraseBackground(const SubWindowMessage& m) {
    if (!SelfPainted(m)) return m.passOn();
    SetBkMode(m.dc(), TRANSPARENT);
    return 1;
}

LRESULT OnShowWindow(const SubWindowMessage& m) {
    if (m.wParam != 1) return m.passOn();
    m.passOn();
    if (SelfPainted(m)) PaintSubWindow(m.recordIndex, m.entryIndex, nullptr);
    return DefWindowProcA(m.window, m.message, m.wParam, m.lParam);
}

LRESULT OnDrawItem(const SubWindowMessage& m) {
    DRAWITEMSTRUCT item = {};
    if (CopyFromMessage(m.lParam, item)) PaintOwnerDrawButton(m.recordIndex, item);
    return m.passOn();
}

LRESULT OnNotify(const SubWindowMessage& m) {
    NMHDR header = {};
    if (CopyFromMessage(m.lParam, header) &&
        (header.code == static_cast<UINT>(TVN_ITEMEXPANDINGA) || header.code == static_cast<UINT>(TVN_ITEMEXPANDEDA))) {
        InvalidateRect(header.hwndFrom, nullptr, TRUE);
    }
    return m.passOn();
}

// Controls that redraw their text on an opaque ground are repainted over the veil.
bool RedrawsOpaque(HWND control, WORD code) {
    if (HasClass(control, "Edit")) {
        return code == EN_CHANGE || code == EN_UPDATE || code == EN_HSCROLL || code == EN_VSCROLL;
    }
    if (HasClass(control, "ListBox")) return code == LBN_SELCHANGE || code == LBN_SELCANCEL;
    if (HasClass(control, "ComboBox")) return code == CBN_SELCHANGE || code == CBN_KILLFOCUS;
    return false;
}

LRESULT OnCommand(const SubWindowMessage& m) {
    if (ColourAnswersOn() && RedrawsOpaque(m.control(), HIWORD(m.wParam))) InvalidateRect(m.control(), nullptr, TRUE);
    return m.passOn();
}

LRESULT OnCtlColorEdit(const SubWindowMessage& m) {
    // The edit field of a combo box is left to the combo box's own skin.
    if (!ColourAnswersOn() || HasClass(GetParent(m.control()), "ComboBox")) return m.passOn();
    return Answer(m, AnswerWithPatternBrush(m.control(), m.dc()));
}

LRESULT OnCtlColorListBox(const SubWindowMessage& m) {
    if (!ColourAnswersOn() || !HasClass(m.control(), "ListBox") || IsOwnerDrawListBox(m.control())) return m.passOn();
    return Answer(m, AnswerWithHollowBrush(m.control(), m.dc()));
}

LRESULT OnCtlColorButton(const SubWindowMessage& m) {
    if (!ColourAnswersOn()) return m.passOn();
    return Answer(m, AnswerWithHollowBrush(m.control(), m.dc()));
}

LRESULT OnCtlColorStatic(const SubWindowMessage& m) {
    if (!ColourAnswersOn()) return m.passOn();
    return Answer(m, AnswerWithPatternBrush(m.control(), m.dc()));
}

LRESULT OnDestroy(const SubWindowMessage& m) {
    // The children still exist now: the brushes and bitmaps handed to them go with the container.
    ReleaseDescendantColourObjects(m.window);
    return m.passOn();
}

LRESULT OnNcDestroy(const SubWindowMessage& m) {
    const LRESULT result = m.passOn();
    // The entry must not keep naming a window that no longer exists.
    if (SubWindowEntry* entry = m.entry()) *entry = SubWindowEntry{};
    RemovePropValue(m.window, kPropPreviousProc);
    RemovePropValue(m.window, kPropListIndex);
    RemovePropValue(m.window, kPropOwnerIndex);
    RemovePropValue(m.window, kPropBackgroundOwner);
    return result;
}

}  // namespace

LRESULT CALLBACK SubWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const SubWindowMessage m{
        window, message, wParam, lParam, GetPropInt(window, kPropOwnerIndex), GetPropInt(window, kPropListIndex)};
    // A window whose entry is gone behaves as if it had never been registered.
    if (!m.entry()) return m.passOn();
    switch (message) {
        case WM_MOVE:
            return OnMove(m);
        case WM_SIZE:
            return OnSize(m);
        case WM_PAINT:
            return OnPaint(m);
        case WM_ERASEBKGND:
            return OnEraseBackground(m);
        case WM_SHOWWINDOW:
            return OnShowWindow(m);
        case WM_DRAWITEM:
            return OnDrawItem(m);
        case WM_NOTIFY:
            return OnNotify(m);
        case WM_COMMAND:
            return OnCommand(m);
        case WM_CTLCOLOREDIT:
            return OnCtlColorEdit(m);
        case WM_CTLCOLORLISTBOX:
            return OnCtlColorListBox(m);
        case WM_CTLCOLORBTN:
            return OnCtlColorButton(m);
        case WM_CTLCOLORSTATIC:
            return OnCtlColorStatic(m);
        case WM_DESTROY:
            return OnDestroy(m);
        case WM_NCDESTROY:
            return OnNcDestroy(m);
        default:
            return m.passOn();
    }
}

}  // namespace skin
