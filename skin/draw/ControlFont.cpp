#include "skin/draw/ControlFont.h"

#include "graphics/GdiHandles.h"
#include "graphics/GxFont.h"

namespace skin {

ControlFont CaptureControlFont(HWND control) {
    ControlFont result;
    if (!control || !IsWindow(control)) return result;
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    const gdi::WindowDC dc = gdi::WindowDC::Client(control);
    if (!dc) return result;
    GxFont gxFont;
    if (gxFont.CreateFontFromHFONT(dc.get(), font)) {
        result.size = static_cast<int>(gxFont.GetFontSize());
        result.style = gxFont.GetFontStyle();
        GxFontFamily family;
        if (gxFont.GetFamily(family)) result.name = family.GetFamilyName();
    }
    return result;
}

}  // namespace skin
