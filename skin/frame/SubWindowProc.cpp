// The sub-window procedure. Handlers follow the order of the sub-window's message table;
// a message whose condition fails goes on unchanged to the replaced procedure.
#include "skin/frame/SubWindowProc.h"

#include "graphics/GdiHandles.h"
#include "skin/core/PaintAnswer.h"
#include "skin/core/Properties.h"
#include "skin/core/SkinRegistry.h"
#include "skin/frame/ParentAnswers.h"
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
    // The same message as the answers for the sub-window's controls read it.
    ParentMessage forControls() const { return ParentMessage{recordIndex, window, message, wParam, lParam}; }
};

bool SelfPainted(const SubWindowMessage& m) {
    const SubWindowEntry* entry = m.entry();
    return entry && entry->selfPainted;
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
    {
        const gdi::PaintDC paint(m.window);
        if (rebuild) {
            PaintSubWindow(m.recordIndex, m.entryIndex, paint.get());
        } else {
            RepaintSubWindow(m.recordIndex, m.entryIndex, m.window, paint.get());
        }
    }
    return DefaultPaintAnswer(m.window, m.wParam, m.lParam);
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
            return AnswerDrawItem(m.forControls());
        case WM_NOTIFY:
            return AnswerNotify(m.forControls());
        case WM_COMMAND:
            return AnswerCommand(m.forControls());
        case WM_CTLCOLOREDIT:
            return AnswerCtlColorEdit(m.forControls());
        case WM_CTLCOLORLISTBOX:
            return AnswerCtlColorListBox(m.forControls());
        case WM_CTLCOLORBTN:
            return AnswerCtlColorButton(m.forControls());
        case WM_CTLCOLORSTATIC:
            return AnswerCtlColorStatic(m.forControls());
        case WM_DESTROY:
            return AnswerDestroy(m.forControls());
        case WM_NCDESTROY:
            return OnNcDestroy(m);
        default:
            return m.passOn();
    }
}

}  // namespace skin
