#include "skin/controls/TrackBarSkin.h"

#include <commctrl.h>

#include <string>

#include "graphics/GxGraphics.h"
#include "graphics/GxPenBrush.h"
#include "skin/controls/BarPainting.h"
#include "skin/controls/HoverTracking.h"
#include "skin/controls/OffscreenPaint.h"
#include "skin/controls/Subclassing.h"
#include "skin/draw/Colour.h"
#include "skin/draw/FaceCache.h"

namespace skin {
namespace {

constexpr int kPlateOutlineAlpha = 30;
constexpr int kPlateFaceCorner = 3;
constexpr float kSelectionBand = 4;  // channel thickness when a selection can be shown
constexpr int kDotSize = 4;
constexpr int kKnobSize = 11;
// At the maximum the resting dot sits at the thumb's far end, and the line reaches it.
constexpr float kDotShiftAtMax = 8;
constexpr float kLineGrowthAtMax = 10;

using Gdiplus::ARGB;
using Gdiplus::PointF;
using TrackBar = SkinnedControl<TrackBarEntry>;

void PrepareTrackBar(TrackBarEntry& entry, HWND control, HWND) {
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    entry.vertical = (style & TBS_VERT) ? 1 : 0;
    entry.tickMode = TrackBarTickMode(style);
    entry.selectionRange = (style & TBS_ENABLESELRANGE) ? 1 : 0;
}

const ControlFamily<TrackBarEntry> kTrackBars = {"msctls_trackbar32", &SkinnedWindow::trackBarControls,
                                                 TrackBarSkinProc, nullptr, PrepareTrackBar};

// What the control reports about itself, read once per paint.
struct TrackBarState {
    LRESULT pos = 0;
    LRESULT max = 0;
    LRESULT selectionStart = 0;
    LRESULT selectionEnd = 0;
    RECT channel = {};  // in horizontal orientation: left..right runs along the bar
    RECT thumb = {};
};

// A vertical bar's channel comes back in horizontal orientation on some systems and in
// its true orientation on others; the painter wants the former, so a rectangle that is
// taller than wide is turned.
RECT ChannelAlongX(RECT channel, bool vertical) {
    if (vertical && channel.bottom - channel.top > channel.right - channel.left) {
        return RECT{channel.top, channel.left, channel.bottom, channel.right};
    }
    return channel;
}

TrackBarState ReadState(HWND control, const TrackBarEntry& entry) {
    TrackBarState state;
    state.pos = SendMessageA(control, TBM_GETPOS, 0, 0);
    state.max = SendMessageA(control, TBM_GETRANGEMAX, 0, 0);
    SendMessageA(control, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&state.channel));
    SendMessageA(control, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&state.thumb));
    state.channel = ChannelAlongX(state.channel, entry.vertical == 1);
    if (entry.selectionRange == 1) {
        state.selectionStart = SendMessageA(control, TBM_GETSELSTART, 0, 0);
        state.selectionEnd = SendMessageA(control, TBM_GETSELEND, 0, 0);
    }
    return state;
}

// Geometry is worked out along and across the channel; a vertical bar swaps the axes.
struct Axes {
    bool vertical;
    PointF point(float along, float across) const { return vertical ? PointF(across, along) : PointF(along, across); }
    GxPath rectangle(float along, float across, float alongLength, float acrossLength) const {
        return vertical ? RectangleBarPath(across, along, acrossLength, alongLength)
                        : RectangleBarPath(along, across, alongLength, acrossLength);
    }
    GxPath roundRect(float along, float across, float alongLength, float acrossLength, int corner) const {
        return vertical ? RoundRectBarPath(across, along, acrossLength, alongLength, corner)
                        : RoundRectBarPath(along, across, alongLength, acrossLength, corner);
    }
    GxPath ellipse(float along, float across, float size) const {
        return vertical ? EllipseBarPath(across, along, size, size) : EllipseBarPath(along, across, size, size);
    }
};

struct Channel {
    float start;      // c.left: where the channel begins along the bar
    float length;     // c.right - c.left
    float side;       // c.top: the channel's edge across the bar
    float thickness;  // c.bottom - c.top
    float bandCross;  // where the drawn band begins across the bar
    float bandThickness;
};

Channel MeasureChannel(const RECT& c, bool selectionRange) {
    Channel channel;
    channel.start = static_cast<float>(c.left);
    channel.length = static_cast<float>(c.right - c.left);
    channel.side = static_cast<float>(c.top);
    channel.thickness = static_cast<float>(c.bottom - c.top);
    if (selectionRange) {
        channel.bandCross = channel.side + (channel.thickness - kSelectionBand) / 2;
        channel.bandThickness = kSelectionBand;
    } else {
        channel.bandCross = channel.side;
        channel.bandThickness = channel.thickness;
    }
    return channel;
}

void DrawChannel(GxGraphics& surface, const Axes& axes, const Channel& c) {
    GxPath band = axes.roundRect(c.start, c.bandCross, c.length, c.bandThickness, 1);
    FillBarPath(surface, band, axes.point(c.start, c.bandCross), axes.point(c.start, c.bandCross + c.bandThickness),
                Black(50), Black(30));
}

// A small dot at rest; under the pointer a knob, nudged away from the tick marks.
void DrawKnob(GxGraphics& surface, const Axes& axes, const Channel& c, const TrackBarEntry& entry,
              const TrackBarState& state) {
    const bool hover = entry.hover == 1;
    const float size = static_cast<float>(hover ? kKnobSize : kDotSize);
    float across = c.bandCross - (size - 3) / 2;
    if (hover && entry.tickMode == kTickModeTop) across += 2;
    if (hover && entry.tickMode == kTickModeBoth) across += 1;
    float along = static_cast<float>(axes.vertical ? state.thumb.top : state.thumb.left);
    if (!hover && state.pos == state.max) along += kDotShiftAtMax;

    GxPath knob = axes.ellipse(along, across, size);
    GxSolidBrush white;
    if (white.CreateSolidFill(kOpaqueWhite)) surface.FillPath(white, knob);
    const float top = axes.vertical ? along : across;
    const float x = static_cast<float>(state.thumb.left);
    FillBarPath(surface, knob, PointF(x, top), PointF(x, top + c.length), White(0), Black(90));
    StrokeBarPath(surface, knob, Black(50));
}

void DrawSelectionMark(GxGraphics& surface, const Axes& axes, const Channel& c, const TrackBarState& state) {
    // A range ending at 0 has no length to divide the channel by: no mark.
    if (state.max == 0) return;
    const float max = static_cast<float>(state.max);
    const float start = c.start - 1 + static_cast<float>(state.selectionStart) * c.length / max;
    const float length = static_cast<float>(state.selectionEnd - state.selectionStart) * c.length / max;
    const float across = c.side + (c.thickness - kSelectionBand) / 2 + 1;
    StrokeBarPath(surface, axes.rectangle(start, across, length, 1), White(160));
}

void DrawPositionLine(GxGraphics& surface, const Axes& axes, const Channel& c, const TrackBarState& state) {
    const float thumbStart = static_cast<float>(axes.vertical ? state.thumb.top : state.thumb.left);
    float length = thumbStart - c.start - 1;
    if (state.pos == state.max) length += kLineGrowthAtMax;
    StrokeBarPath(surface, axes.rectangle(c.start, c.bandCross + 1, length, 1), RgbToArgb(SkinThemeColour, 200, true));
}

void DrawTrackBar(GxGraphics& surface, const TrackBarEntry& entry, const TrackBarState& state, int width, int height) {
    const Axes axes{entry.vertical == 1};
    if (SkinControlFrames) DrawBarPlate(surface, width, height, axes.vertical, kPlateOutlineAlpha, kPlateFaceCorner);
    const Channel channel = MeasureChannel(state.channel, entry.selectionRange == 1);
    DrawChannel(surface, axes, channel);
    DrawKnob(surface, axes, channel, entry, state);
    if (entry.selectionRange == 1) DrawSelectionMark(surface, axes, channel, state);
    DrawPositionLine(surface, axes, channel, state);
}

// Every input of DrawTrackBar besides the background.
std::string TrackBarLook(const TrackBarEntry& entry, const TrackBarState& state, int width, int height) {
    return LookText("trackbar")
        .add(width)
        .add(height)
        .add(SkinControlFrames)
        .add(entry.vertical)
        .add(entry.tickMode)
        .add(entry.hover)
        .add(entry.selectionRange)
        .add(state.pos)
        .add(state.max)
        .add(state.selectionStart)
        .add(state.selectionEnd)
        .add(state.channel)
        .add(state.thumb)
        .text();
}

// --- messages, in the order of the skin's table ---

LRESULT OnMove(const TrackBar& t, WPARAM wParam, LPARAM lParam) {
    PaintTrackBar(t.recordIndex, t.entryIndex);
    return PassOn(t.window, WM_MOVE, wParam, lParam);
}

// The control's own painting never runs: its look is entirely the skin's.
LRESULT OnPaint(const TrackBar& t, WPARAM wParam, LPARAM lParam) {
    return PaintInsteadOfControl(t.window, wParam, lParam, [&] { PaintTrackBar(t.recordIndex, t.entryIndex); });
}

LRESULT OnNonClientPaint(const TrackBar& t) {
    PaintTrackBar(t.recordIndex, t.entryIndex);
    return 1;
}

LRESULT OnMouseMove(const TrackBar& t, WPARAM wParam, LPARAM lParam) {
    TrackHover(t, kHotKindTrackBar, [&] {
        t.entry->hover = 1;
        PaintTrackBar(t.recordIndex, t.entryIndex);
    });
    return PassOn(t.window, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnMouseLeave(const TrackBar& t, WPARAM wParam, LPARAM lParam) {
    ClearHotControl(*t.record);
    t.entry->hover = 0;
    PaintTrackBar(t.recordIndex, t.entryIndex);
    return PassOn(t.window, WM_MOUSELEAVE, wParam, lParam);
}

}  // namespace

int TrackBarTickMode(LONG style) {
    if (style & TBS_NOTICKS) return kTickModeNone;
    if (style & TBS_TOP) return kTickModeTop;
    if (style & TBS_BOTH) return kTickModeBoth;
    return kTickModeBottom;
}

void InstallTrackBarSkin(int parentIndex, HWND parent) { InstallControlFamily(kTrackBars, parentIndex, parent); }

LRESULT CALLBACK TrackBarSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const TrackBar t = FindSkinnedControl(window, &SkinnedWindow::trackBarControls);
    if (!t) return PassOn(window, message, wParam, lParam);
    switch (message) {
        case WM_MOVE:
            return OnMove(t, wParam, lParam);
        case WM_PAINT:
            return OnPaint(t, wParam, lParam);
        case WM_ERASEBKGND:
            return EraseNothing(wParam);
        case WM_NCPAINT:
            return OnNonClientPaint(t);
        case WM_MOUSEMOVE:
            return OnMouseMove(t, wParam, lParam);
        case WM_MOUSELEAVE:
            return OnMouseLeave(t, wParam, lParam);
        default:
            return PassOn(window, message, wParam, lParam);
    }
}

void PaintTrackBar(int parentIndex, int entryIndex) {
    const TrackBarEntry* found = FindLiveEntry(parentIndex, entryIndex, &SkinnedWindow::trackBarControls);
    if (!found) return;
    // A copy: the control is asked for its state below, and the list may be touched meanwhile.
    const TrackBarEntry entry = *found;
    RECT bounds;
    if (!GetWindowRect(entry.hwnd, &bounds)) return;
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const TrackBarState state = ReadState(entry.hwnd, entry);

    OffscreenTarget target;
    target.wholeWindow = true;
    target.look = TrackBarLook(entry, state, width, height);
    PaintOffscreen(entry.hwnd, RECT{0, 0, width, height}, target,
                   [&](GxGraphics& surface, HDC) { DrawTrackBar(surface, entry, state, width, height); });
}

}  // namespace skin
