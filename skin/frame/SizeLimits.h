#pragma once
// Sizes of a skinned window: the tracking limits and the maximized size that leaves the
// task bar visible.
#include <windows.h>

namespace skin {

struct SkinnedWindow;

// Height of the task bar ("Shell_TrayWnd") when it is visible along the top or bottom of
// the screen; 0 when there is none, it is hidden, or it stands at a side.
int TaskBarHeight();

// Screen height less the task bar.
int MaximizedHeight();

// Fills ptMinTrackSize and ptMaxTrackSize from the record; other members stay.
void ApplySizeLimits(const SkinnedWindow& record, MINMAXINFO& info);

}  // namespace skin
