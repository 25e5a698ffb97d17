#include "skin/controls/OffscreenPaint.h"

#include "graphics/GdiHandles.h"
#include "graphics/GxGraphics.h"
#include "graphics/GxPenBrush.h"
#include "skin/draw/Backgrounds.h"
#include "skin/draw/FaceCache.h"
#include "skin/draw/TopDownPixels.h"
#include "skin/draw/Veil.h"

namespace skin {

void FillVeil(HDC dc, int width, int height) { LayVeil(dc, RECT{0, 0, width, height}, VeilWhite()); }

void FillFieldGround(HDC dc, const RECT& area, const RECT* hole) {
    // Opaque white laid this way replaces what was there, alpha included.
    if (hole) {
        LayVeilAround(dc, area, *hole, FieldGround());
    } else {
        LayVeil(dc, area, FieldGround());
    }
}

bool PaintOffscreen(HWND window, const RECT& area, const OffscreenTarget& target, const OffscreenDraw& draw) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (!window || width <= 0 || height <= 0) return false;

    gdi::WindowDC owned;
    HDC dc = target.dc;
    if (!dc) {
        owned = target.wholeWindow ? gdi::WindowDC::Whole(window) : gdi::WindowDC::Client(window);
        dc = owned.get();
    }
    if (!dc) return false;

    // A caller's DC keeps its clip: the exclusion is undone after the copy.
    const gdi::SavedState callersState(target.dc);
    if (target.excludeGiven) {
        ExcludeClipRect(dc, target.exclude.left, target.exclude.top, target.exclude.right, target.exclude.bottom);
    }
    const COLORREF key = kKeyColour;
    const COLORREF* keyColour = target.keyed ? &key : nullptr;
    bool painted = !target.look.empty() && DrawKeptFace(window, area, target.look, dc, target.at, keyColour);
    if (!painted) {
        ComposedBackground picture(window, area);
        if (picture) {
            if (draw) {
                GxGraphics surface;
                surface.CreateFromHDC(picture.dc());
                draw(surface, picture.dc());
                surface.Flush(Gdiplus::FlushIntentionSync);
            }
            if (!target.look.empty()) KeepFace(window, area, target.look, picture.dc());
            const PixelCopy keyedCopy = target.keyed ? CopyPixels(picture.dc(), width, height) : PixelCopy{};
            if (keyedCopy) {
                DrawPixelsKeyed(keyedCopy, dc, target.at, key);
            } else if (target.keyed) {
                TransparentBlt(dc, target.at.x, target.at.y, width, height, picture.dc(), 0, 0, width, height, key);
            } else {
                BitBlt(dc, target.at.x, target.at.y, width, height, picture.dc(), 0, 0, SRCCOPY);
            }
            painted = true;
        }
    }
    return painted;
}

}  // namespace skin
