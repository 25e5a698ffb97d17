#include "skin/engine/FormKeys.h"

#include <commctrl.h>

namespace skin {
namespace {

bool HasClass(HWND window, const char* name) {
    char className[32] = {};
    return window && GetClassNameA(window, className, sizeof(className)) > 0 && lstrcmpiA(className, name) == 0;
}

bool IsKeyMessage(UINT message) { return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR; }

// A dropped combo list takes Enter and Escape to close itself, as in any dialog.
bool InDroppedCombo(HWND window) {
    for (HWND w = window; w && (GetWindowLongA(w, GWL_STYLE) & WS_CHILD); w = GetParent(w))
        if (HasClass(w, WC_COMBOBOXA)) return SendMessageA(w, CB_GETDROPPEDSTATE, 0, 0) != 0;
    return false;
}

bool ControlHeld() { return GetKeyState(VK_CONTROL) < 0; }

}  // namespace

bool HandleFormKeys(MSG& msg) {
    const HWND form = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (!form || !IsKeyMessage(msg.message)) return false;
    const WPARAM key = msg.wParam;
    if (msg.message == WM_KEYDOWN && key == 'A' && ControlHeld() && HasClass(msg.hwnd, WC_EDITA)) {
        SendMessageA(msg.hwnd, EM_SETSEL, 0, -1);
        return true;
    }
    // Ctrl+A's character would reach the edit as a control code.
    if (msg.message == WM_CHAR && key == 1 && HasClass(msg.hwnd, WC_EDITA)) return true;
    // A form reacts only to its own events: Enter would click a default button, and a
    // multi-line edit in dialog mode closes its parent on Escape.
    // (The characters of both keys have the keys' own codes.)
    if ((key == VK_RETURN || key == VK_ESCAPE) && !InDroppedCombo(msg.hwnd)) return true;
    return IsDialogMessageA(form, &msg) != FALSE;
}

void MoveFormFocus(HWND form, WPARAM wParam, LPARAM lParam) {
    if (!form) return;
    HWND next = nullptr;
    if (lParam) {
        next = reinterpret_cast<HWND>(wParam);
        if (next && next != form && !IsChild(form, next)) next = nullptr;
    } else {
        HWND focus = GetFocus();
        if (focus && !IsChild(form, focus)) focus = nullptr;
        next = GetNextDlgTabItem(form, focus, wParam != 0);
    }
    if (next) SetFocus(next);
}

}  // namespace skin
