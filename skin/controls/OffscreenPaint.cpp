#include "skin/controls/OffscreenPaint.h"

#include "graphics/GxGraphics.h"
#include "skin/controls/WindowDC.h"
#include "skin/draw/Backgrounds.h"

namespace skin {

bool PaintOffscreen(HWND window, const RECT& area, const OffscreenTarget& target, const OffscreenDraw& draw) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (!window || width <= 0 || height <= 0) return false;

    ComposedBackground picture(window, area);
    if (!picture) return false;
    if (draw) {
        GxGraphics surface;
        surface.CreateFromHDC(picture.dc());
        draw(surface, picture.dc());
        surface.Flush(Gdiplus::FlushIntentionSync);
    }

    WindowDC owned;
    HDC dc = target.dc;
    if (!dc) {
        owned = target.wholeWindow ? WindowDC::Whole(window) : WindowDC::Client(window);
        dc = owned.get();
    }
    if (!dc) return false;

    // A caller's DC keeps its clip: the exclusion is undone after the copy.
    const int saved = target.dc ? SaveDC(dc) : 0;
    if (target.excludeGiven) {
        ExcludeClipRect(dc, target.exclude.left, target.exclude.top, target.exclude.right, target.exclude.bottom);
    }
    if (target.keyed) {
        TransparentBlt(dc, target.at.x, target.at.y, width, height, picture.dc(), 0, 0, width, height, kKeyColour);
    } else {
        BitBlt(dc, target.at.x, target.at.y, width, height, picture.dc(), 0, 0, SRCCOPY);
    }
    if (saved) RestoreDC(dc, saved);
    return true;
}

}  // namespace skin
