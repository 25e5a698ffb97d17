#pragma once
// Classification of windows by class name and style, as the control skins need it.
#include <windows.h>

#include <string>

namespace skin {

// The window's class name (empty for an invalid handle).
std::string GetWindowClassName(HWND window);

// A "ListBox" whose items are drawn by its owner (fixed or variable height).
bool IsOwnerDrawListBox(HWND window);

// A button of type BS_AUTORADIOBUTTON.
bool IsAutoRadioButton(HWND window);

// Invalidates every visible child of the window whole, with erasing, so that children
// are drawn again over new content of their parent.
void InvalidateVisibleChildren(HWND window);

}  // namespace skin
