#include "skin/frame/SizeLimits.h"

#include <algorithm>

#include "skin/core/SkinnedWindow.h"

namespace skin {

int TaskBarHeight() {
    HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
    RECT r = {};
    if (!tray || !IsWindowVisible(tray) || !GetWindowRect(tray, &r)) return 0;
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    // A bar along the left or right edge takes no height from a maximized window.
    if (height <= 0 || height >= width) return 0;
    return std::min(height, GetSystemMetrics(SM_CYSCREEN));
}

int MaximizedHeight() { return GetSystemMetrics(SM_CYSCREEN) - TaskBarHeight(); }

void ApplySizeLimits(const SkinnedWindow& record, MINMAXINFO& info) {
    if (record.maximizedFlag) {
        info.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXSCREEN), MaximizedHeight()};
    } else {
        info.ptMaxTrackSize = POINT{record.maxWidth, record.maxHeight};
    }
    info.ptMinTrackSize = POINT{record.minWidth, record.minHeight};
}

}  // namespace skin
