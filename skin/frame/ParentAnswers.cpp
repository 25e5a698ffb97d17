#include "skin/frame/ParentAnswers.h"

#include <commctrl.h>

#include "skin/core/MessageData.h"
#include "skin/core/Properties.h"
#include "skin/core/SkinSettings.h"
#include "skin/draw/ButtonFaces.h"
#include "skin/draw/ColourAnswers.h"
#include "skin/draw/WindowQueries.h"
#include "skin/frame/FrameResources.h"

namespace skin {
namespace {

LRESULT PassOn(const ParentMessage& m) { return CallPreviousProc(m.window, m.message, m.wParam, m.lParam); }

HWND Control(const ParentMessage& m) { return reinterpret_cast<HWND>(m.lParam); }
HDC ControlDC(const ParentMessage& m) { return reinterpret_cast<HDC>(m.wParam); }

bool ColourAnswersOn() { return SkinControls && SkinTranslucentEdits; }

LRESULT Answer(const ParentMessage& m, HBRUSH brush) { return brush ? reinterpret_cast<LRESULT>(brush) : PassOn(m); }

// Controls that redraw their text on an opaque ground, by the notification they send.
bool RedrawsOpaque(HWND control, WORD code) {
    if (HasWindowClass(control, "Edit")) {
        return code == EN_CHANGE || code == EN_UPDATE || code == EN_HSCROLL || code == EN_VSCROLL;
    }
    if (HasWindowClass(control, "ListBox")) return code == LBN_SELCHANGE || code == LBN_SELCANCEL;
    if (HasWindowClass(control, "ComboBox")) return code == CBN_SELCHANGE || code == CBN_KILLFOCUS;
    return false;
}

}  // namespace

LRESULT AnswerDrawItem(const ParentMessage& m) {
    // Structures behind lParam are read with checks, so a bad pointer is only ignored.
    DRAWITEMSTRUCT item = {};
    if (CopyFromMessage(m.lParam, item)) PaintOwnerDrawButton(m.recordIndex, item);
    return PassOn(m);
}

LRESULT AnswerNotify(const ParentMessage& m) {
    NMHDR header = {};
    if (CopyFromMessage(m.lParam, header) &&
        (header.code == static_cast<UINT>(TVN_ITEMEXPANDINGA) || header.code == static_cast<UINT>(TVN_ITEMEXPANDEDA))) {
        InvalidateRect(header.hwndFrom, nullptr, TRUE);
    }
    return PassOn(m);
}

LRESULT AnswerCommand(const ParentMessage& m) {
    if (ColourAnswersOn() && RedrawsOpaque(Control(m), HIWORD(m.wParam))) InvalidateRect(Control(m), nullptr, TRUE);
    return PassOn(m);
}

LRESULT AnswerCtlColorEdit(const ParentMessage& m) {
    if (!ColourAnswersOn() || HasWindowClass(GetParent(Control(m)), "ComboBox")) return PassOn(m);
    return Answer(m, AnswerWithPatternBrush(Control(m), ControlDC(m)));
}

LRESULT AnswerCtlColorStatic(const ParentMessage& m) {
    if (!ColourAnswersOn()) return PassOn(m);
    return Answer(m, AnswerWithPatternBrush(Control(m), ControlDC(m)));
}

LRESULT AnswerCtlColorListBox(const ParentMessage& m) {
    const HWND control = Control(m);
    if (!ColourAnswersOn() || !HasWindowClass(control, "ListBox") || IsOwnerDrawListBox(control)) return PassOn(m);
    return Answer(m, AnswerWithHollowBrush(control, ControlDC(m)));
}

LRESULT AnswerCtlColorButton(const ParentMessage& m) {
    if (!ColourAnswersOn()) return PassOn(m);
    return Answer(m, AnswerWithHollowBrush(Control(m), ControlDC(m)));
}

LRESULT AnswerDestroy(const ParentMessage& m) {
    ReleaseDescendantColourObjects(m.window);
    return PassOn(m);
}

}  // namespace skin
