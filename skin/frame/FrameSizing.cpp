// Moving and resizing a window without a system frame, and the children that follow its size.
#include "skin/frame/FrameZones.h"

#include "skin/core/SkinEngine.h"
#include "skin/core/SkinRegistry.h"
#include "skin/draw/WindowQueries.h"
#include "skin/frame/FrameGeometry.h"
#include "skin/frame/FrameOperations.h"

namespace skin {
namespace {

// Edge zones stop this far from the corners, whose squares belong to the corner zones.
constexpr int kCornerSize = 10;
constexpr int kStripPressTop = 3;

void ShowZoneCursor(const FrameZone& zone) { SetCursor(LoadCursorA(nullptr, zone.cursor)); }

}  // namespace

std::optional<FrameZone> FindFrameZone(int x, int y, const RECT& client, int b) {
    const int right = client.right;
    const int bottom = client.bottom;
    const bool alongHeight = y >= kCornerSize + 1 && y < bottom - kCornerSize;
    const bool alongWidth = x >= kCornerSize + 1 && x < right - kCornerSize;
    if (x <= b && alongHeight) return FrameZone{IDC_SIZEWE, SC_SIZE + WMSZ_LEFT};
    if (x >= right - b && alongHeight) return FrameZone{IDC_SIZEWE, SC_SIZE + WMSZ_RIGHT};
    if (alongWidth && y <= b) return FrameZone{IDC_SIZENS, SC_SIZE + WMSZ_TOP};
    if (alongWidth && y >= bottom - b) return FrameZone{IDC_SIZENS, SC_SIZE + WMSZ_BOTTOM};
    if (x <= kCornerSize && y <= kCornerSize) return FrameZone{IDC_SIZENWSE, SC_SIZE + WMSZ_TOPLEFT};
    if (x >= right - kCornerSize && y <= kCornerSize) return FrameZone{IDC_SIZENESW, SC_SIZE + WMSZ_TOPRIGHT};
    if (x <= kCornerSize && y >= bottom - kCornerSize) return FrameZone{IDC_SIZENESW, SC_SIZE + WMSZ_BOTTOMLEFT};
    if (x >= right - kCornerSize && y >= bottom - kCornerSize) {
        return FrameZone{IDC_SIZENWSE, SC_SIZE + WMSZ_BOTTOMRIGHT};
    }
    return std::nullopt;
}

void UpdateFrameCursor(SkinEngine& engine, int index, LPARAM move, const RECT& clientRect) {
    const SkinnedWindow* record = GetSkinnedWindow(index);
    if (!record || !record->option30) return;
    if (auto zone = FindFrameZone(PointX(move), PointY(move), clientRect, engine.frameBorder)) ShowZoneCursor(*zone);
}

void BeginFrameDrag(SkinEngine& engine, int index, LPARAM press, const RECT& clientRect) {
    SkinnedWindow* record = GetSkinnedWindow(index);
    if (!record) return;
    const int x = PointX(press);
    const int y = PointY(press);
    const bool onStrip = x >= record->buttonsLeft && x <= record->buttonsLeft + record->buttonsWidth &&
                         y >= kStripPressTop && y <= record->buttonsHeight;
    if (onStrip || !record->option31) return;
    const HWND window = record->hwnd;
    // Both messages below start a modal system loop: nothing of the record is touched after.
    if (!record->option30) {
        // Without edge resizing the title band only moves the window.
        if (y <= record->titleHeight) SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
        return;
    }
    if (auto zone = FindFrameZone(x, y, clientRect, engine.frameBorder)) {
        record->backgroundStale = 1;
        ShowZoneCursor(*zone);
        SendMessageA(window, WM_SYSCOMMAND, zone->command, 0);
    } else if (y <= record->titleHeight) {
        SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
    }
}

void LayoutAfterSize(SkinEngine&, int index) {
    const SkinnedWindow* record = GetSkinnedWindow(index);
    if (!record || !record->hwnd) return;
    RECT client = {};
    GetClientRect(record->hwnd, &client);
    const int stripHeight = record->stripHeight;
    record->dockedChildren.forEach([&](int, const DockedChild& child) {
        if (!child.hwnd) return;
        MoveWindow(child.hwnd, 2, child.top, client.right - 4, client.bottom - child.top - stripHeight - 3, TRUE);
    });
}

void LayoutStripItems(SkinEngine& engine, int index) {
    SkinnedWindow* record = GetSkinnedWindow(index);
    if (!record || !record->hwnd) return;
    const RECT client = ClientRectOf(record->hwnd);
    const float border = static_cast<float>(engine.frameBorder);
    record->stripRect =
        FloatRect{border, static_cast<float>(client.bottom - record->stripHeight) - border - 1.0f,
                  static_cast<float>(client.right) - 2.0f * border, static_cast<float>(record->stripHeight)};
    const FloatRect strip = record->stripRect;
    float x = strip.x;
    record->stripItems.forEach([&](int, StripItem& item) {
        // An item of width -1 stretches over whatever the strip has left.
        if (item.width == -1.0f) item.width = strip.x + strip.width - x;
        item.x = x;
        item.y = strip.y;
        x += item.width;
    });
}

}  // namespace skin
