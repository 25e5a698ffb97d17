#include "skin/controls/Subclassing.h"

namespace skin {

WNDPROC SubclassControl(HWND control, WNDPROC skinProc, int entryIndex, int parentIndex) {
    if (!control || !skinProc) return nullptr;
    SetPropInt(control, kPropListIndex, entryIndex);
    SetPropInt(control, kPropOwnerIndex, parentIndex);
    // Stored before the swap: nothing may reach skinProc without a procedure to chain to.
    const LONG_PTR current = GetWindowLongPtrA(control, GWLP_WNDPROC);
    SetPropValue(control, kPropPreviousProc, static_cast<uintptr_t>(current));

    SetLastError(0);
    const LONG_PTR previous = SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(skinProc));
    if (previous == 0 && GetLastError() != 0) {
        RemovePropValue(control, kPropListIndex);
        RemovePropValue(control, kPropOwnerIndex);
        RemovePropValue(control, kPropPreviousProc);
        return nullptr;
    }
    // The swap's own answer is what the skin must chain to; it is written again only when
    // it differs from the one stored (each write is a request to the window server).
    if (previous != current) SetPropValue(control, kPropPreviousProc, static_cast<uintptr_t>(previous));
    return reinterpret_cast<WNDPROC>(previous);
}

std::string ReadWindowText(HWND control) {
    const int length = GetWindowTextLengthA(control);
    if (length <= 0) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(control, &text[0], length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

}  // namespace skin
