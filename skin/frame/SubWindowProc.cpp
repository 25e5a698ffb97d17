#include "skin/frame/SubWindowProc.h"

#include "skin/core/Properties.h"

namespace skin {

LRESULT CALLBACK SubWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallPreviousProc(window, message, wParam, lParam);
}

}  // namespace skin
