// Layout, hit testing and actions of the caption buttons.
#include "skin/frame/CaptionButtons.h"

#include "graphics/ToolTipWindow.h"
#include "skin/core/SkinEngine.h"
#include "skin/core/SkinRegistry.h"
#include "skin/draw/WindowQueries.h"
#include "skin/frame/FrameGeometry.h"
#include "skin/frame/FrameOperations.h"

namespace skin {
namespace {

bool StrictlyInside(const FloatRect& r, int x, int y) {
    return Greater(x, r.x) && Greater(r.x + r.width, x) && Greater(y, r.y) && Greater(r.y + r.height, y);
}

// Help, main-menu and custom buttons run a callback of the window-procedure shape.
void RunCallback(WNDPROC callback, HWND window) {
    if (callback) CallWindowProcA(callback, window, 0, 0, 0);
}

}  // namespace

void LayoutCaptionButtons(SkinEngine&, int index) {
    SkinnedWindow* record = GetSkinnedWindow(index);
    if (!record) return;
    if (record->hwnd) {
        const RECT client = ClientRectOf(record->hwnd);
        record->buttonsLeft = client.right - record->buttonsWidth + 1;
        record->buttonsHeight = kCaptionStripHeight;
    }
    const float x0 = static_cast<float>(record->buttonsLeft + 2);
    const float y0 = static_cast<float>(record->buttonsTop + 1);
    record->captionButtons.forEach([&](int number, CaptionButton& button) {
        const float width = button.id == kCaptionClose ? kCloseButtonWidth : kCaptionButtonWidth;
        button.hitRect =
            FloatRect{x0 + static_cast<float>(kCaptionButtonPitch * (number - 1)), y0, width, kCaptionButtonHeight};
        if (record->toolTip) record->toolTip->NewToolRect(number, TruncatedRect(button.hitRect));
    });
}

int CaptionButtonAt(SkinEngine&, int index, int x, int y) {
    const SkinnedWindow* record = GetSkinnedWindow(index);
    if (!record) return 0;
    if (x < record->buttonsLeft || y < record->buttonsTop || y > record->buttonsTop + record->buttonsHeight) return 0;
    return record->captionButtons.findFirst(
        [x, y](const CaptionButton& button) { return StrictlyInside(button.hitRect, x, y); });
}

int MaximizeButtonNumber(SkinEngine&, int index) {
    const SkinnedWindow* record = GetSkinnedWindow(index);
    if (!record) return 0;
    return record->captionButtons.findFirst([](const CaptionButton& button) { return button.id == kCaptionMaximize; });
}

void CaptionButtonAction(SkinEngine&, int index, int number) {
    SkinnedWindow* record = GetSkinnedWindow(index);
    const CaptionButton* button = record ? record->captionButtons.at(number) : nullptr;
    if (!button) return;
    const HWND window = record->hwnd;
    // Each action ends with the message that may destroy the window and its record.
    switch (button->id) {
        case kCaptionClose:
            SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        case kCaptionMaximize:
            record->backgroundStale = 1;
            if (record->maximizedFlag) {
                record->minimizedFlag = 0;
                record->maximizedFlag = 0;
                SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
            } else {
                record->maximizedFlag = 1;
                record->minimizedFlag = 0;
                SendMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
            }
            break;
        case kCaptionMinimize:
            record->minimizedFlag = 1;
            SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            break;
        case kCaptionHelp:
            RunCallback(record->helpCallback, window);
            break;
        case kCaptionMenu:
            RunCallback(record->menuCallback, window);
            break;
        case kCaptionCustom:
            RunCallback(button->customCallback, window);
            break;
        default:
            break;
    }
}

bool InStrip(int index, LPARAM point) {
    const SkinnedWindow* record = GetSkinnedWindow(index);
    if (!record) return false;
    const int x = PointX(point);
    const int y = PointY(point);
    return y >= 0 && AtLeast(x, record->buttonsLeft - 2) && AtLeast(record->buttonsLeft + record->buttonsWidth, x) &&
           AtLeast(record->buttonsHeight, y);
}

}  // namespace skin
