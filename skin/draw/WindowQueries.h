#pragma once
// Questions the skin asks about windows, written once: their class, text and client area,
// their children and ancestors, and the classification of windows by class name and style.
#include <windows.h>

#include <string>

namespace skin {

// Parent chains are short; the bound only keeps a corrupt chain from hanging a caller.
inline constexpr int kMaxAncestorDepth = 1024;

// The window's class name (empty for an invalid handle).
std::string GetWindowClassName(HWND window);

// True when the window's class name is className, in any case (false for a null window).
bool HasWindowClass(HWND window, const char* className);

// The window's text in the ANSI code page (empty when it has none).
std::string GetWindowTextString(HWND window);

// The text the window itself keeps, the one the system's own caption shows, in the ANSI
// code page. No message is sent: under Wine each message to a skinned window costs its
// procedure's property reads, round trips to the window server.
std::string WindowOwnText(HWND window);

// The window's client rectangle (a zero rectangle for an invalid handle).
RECT ClientRectOf(HWND window);

// The window's rectangle in screen coordinates (a zero rectangle for an invalid handle).
RECT WindowRectOf(HWND window);

// The nearest ancestor (the window itself is not tested) for which test(ancestor) is true,
// else null.
template <class Test>
HWND FindAncestor(HWND window, Test test) {
    HWND ancestor = window ? GetParent(window) : nullptr;
    for (int depth = 0; ancestor && depth < kMaxAncestorDepth; ++depth, ancestor = GetParent(ancestor)) {
        if (test(ancestor)) return ancestor;
    }
    return nullptr;
}

// Calls f(child) for every direct child of the window, in z-order.
template <class F>
void ForEachChild(HWND window, F f) {
    if (!window) return;
    for (HWND child = FindWindowExA(window, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(window, child, nullptr, nullptr)) {
        f(child);
    }
}

// A "ListBox" whose items are drawn by its owner (fixed or variable height).
bool IsOwnerDrawListBox(HWND window);

// A button of type BS_AUTORADIOBUTTON.
bool IsAutoRadioButton(HWND window);

// Invalidates every visible child of the window whole, with erasing, so that children
// are drawn again over new content of their parent.
void InvalidateVisibleChildren(HWND window);

}  // namespace skin
