#pragma once
// Keys pressed on the focused control and pumped the way the program's message loop does.
#include <windows.h>

#include "skin/engine/FormKeys.h"

namespace testing_support {

// Dispatches every queued message, handing each to the form keys first.
inline void PumpWithFormKeys() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (skin::HandleFormKeys(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

enum class Modifier { kNone, kShift, kControl };

// A key pressed and released on the focused control, with the modifier held meanwhile.
inline void PressKey(WPARAM key, Modifier modifier = Modifier::kNone) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = modifier == Modifier::kShift ? 0x80 : 0;
    keys[VK_CONTROL] = modifier == Modifier::kControl ? 0x80 : 0;
    SetKeyboardState(keys);
    const HWND target = GetFocus();
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
    PumpWithFormKeys();
    keys[VK_SHIFT] = keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

// The id of the control holding the focus; a combo box's field counts as its combo box.
inline int FocusedControlId() {
    HWND focus = GetFocus();
    HWND parent = focus ? GetParent(focus) : nullptr;
    char name[16] = {};
    if (parent && GetClassNameA(parent, name, sizeof(name)) && lstrcmpiA(name, "ComboBox") == 0) focus = parent;
    return focus ? GetDlgCtrlID(focus) : 0;
}

}  // namespace testing_support
