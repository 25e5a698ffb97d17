#include "skin/controls/ProgressSkin.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>

#include "graphics/GxGraphics.h"
#include "skin/controls/BarPainting.h"
#include "skin/controls/OffscreenPaint.h"
#include "skin/controls/Subclassing.h"
#include "skin/draw/Colour.h"
#include "skin/draw/FaceCache.h"

namespace skin {
namespace {

constexpr int kPlateOutlineAlpha = 50;
constexpr int kPlateFaceCorner = 1;
constexpr int kBarCorner = 3;
// Bars reaching further than this are far off any window; the bound keeps the
// conversion to integers defined for extreme ranges.
constexpr float kFarOff = 1 << 24;

using Gdiplus::PointF;
using Progress = SkinnedControl<ProgressEntry>;

void PrepareProgress(ProgressEntry& entry, HWND control, HWND) {
    entry.vertical = (GetWindowLongA(control, GWL_STYLE) & PBS_VERTICAL) ? 1 : 0;
}

const ControlFamily<ProgressEntry> kProgressBars = {"msctls_progress32", &SkinnedWindow::progressControls,
                                                    ProgressSkinProc, nullptr, PrepareProgress};

struct BarArea {
    int filled = 0;  // the bar's length along the control
    float x = 0, y = 0, width = 0, height = 0;
    PointF gradientFrom, gradientTo;
};

// The position is taken as it is, from 0, and scaled by the range's size; an empty range
// has no scale and gives no bar.
BarArea MeasureBar(bool vertical, int width, int height, int pos, const PBRANGE& range) {
    BarArea area;
    const std::int64_t span = static_cast<std::int64_t>(range.iHigh) - range.iLow;
    if (span == 0) return area;
    const float size = static_cast<float>(vertical ? height : width);
    const float reach = std::clamp(size / static_cast<float>(span) * static_cast<float>(pos), -kFarOff, kFarOff);
    area.filled = static_cast<int>(reach);
    if (vertical) {
        const int top = static_cast<int>(static_cast<float>(height) - reach);
        area.y = static_cast<float>(top);
        area.width = static_cast<float>(width);
        area.height = static_cast<float>(area.filled);
        area.gradientFrom = PointF(0, area.y);
        area.gradientTo = PointF(static_cast<float>(width - 1), area.y);
    } else {
        area.width = static_cast<float>(area.filled);
        area.height = static_cast<float>(height);
        area.gradientTo = PointF(0, static_cast<float>(height - 1));
    }
    return area;
}

void DrawProgressBar(GxGraphics& surface, bool vertical, int width, int height, const BarArea& bar) {
    DrawBarPlate(surface, width, height, vertical, kPlateOutlineAlpha, kPlateFaceCorner);
    if (bar.filled <= 0) return;
    GxPath shape = RoundRectBarPath(bar.x + 1, bar.y + 1, bar.width - 3, bar.height - 3, kBarCorner);
    FillBarPath(surface, shape, bar.gradientFrom, bar.gradientTo, White(90), RgbToArgb(SkinThemeColour, 255, true));
    StrokeBarPath(surface, shape, RgbToArgb(SkinThemeColour, 150, true));
}

// --- messages, in the order of the skin's table ---

LRESULT OnMove(const Progress& p, WPARAM wParam, LPARAM lParam) {
    PaintProgressBar(p.recordIndex, p.entryIndex);
    return PassOn(p.window, WM_MOVE, wParam, lParam);
}

// Position changes reach the control's own procedure, which invalidates; the repaint
// comes here and the control's own painting never runs.
LRESULT OnPaint(const Progress& p, WPARAM wParam, LPARAM lParam) {
    return PaintInsteadOfControl(p.window, wParam, lParam, [&] { PaintProgressBar(p.recordIndex, p.entryIndex); });
}

LRESULT OnNonClientPaint(const Progress& p) {
    PaintProgressBar(p.recordIndex, p.entryIndex);
    return 1;
}

}  // namespace

void InstallProgressSkin(int parentIndex, HWND parent) { InstallControlFamily(kProgressBars, parentIndex, parent); }

LRESULT CALLBACK ProgressSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const Progress p = FindSkinnedControl(window, &SkinnedWindow::progressControls);
    if (!p) return PassOn(window, message, wParam, lParam);
    switch (message) {
        case WM_MOVE:
            return OnMove(p, wParam, lParam);
        case WM_PAINT:
            return OnPaint(p, wParam, lParam);
        case WM_ERASEBKGND:
            return EraseNothing(wParam);
        case WM_NCPAINT:
            return OnNonClientPaint(p);
        default:
            return PassOn(window, message, wParam, lParam);
    }
}

void PaintProgressBar(int parentIndex, int entryIndex) {
    const ProgressEntry* entry = FindLiveEntry(parentIndex, entryIndex, &SkinnedWindow::progressControls);
    if (!entry) return;
    HWND control = entry->hwnd;
    const bool vertical = entry->vertical == 1;
    RECT bounds;
    if (!GetWindowRect(control, &bounds)) return;
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;

    const int pos = static_cast<int>(SendMessageA(control, PBM_GETPOS, 0, 0));
    PBRANGE range = {0, 0};
    SendMessageA(control, PBM_GETRANGE, 0, reinterpret_cast<LPARAM>(&range));
    const BarArea bar = MeasureBar(vertical, width, height, pos, range);

    OffscreenTarget target;
    target.wholeWindow = true;
    target.look =
        LookText("progress").add(vertical).add(width).add(height).add(pos).add(range.iLow).add(range.iHigh).text();
    PaintOffscreen(control, RECT{0, 0, width, height}, target,
                   [&](GxGraphics& surface, HDC) { DrawProgressBar(surface, vertical, width, height, bar); });
}

}  // namespace skin
