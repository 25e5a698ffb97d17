#include "skin/draw/GraphicsShutdown.h"

// The lean Windows headers leave out the COM types the GDI+ headers need.
#include <objidl.h>
#include <gdiplus.h>

#include "graphics/GxFont.h"
#include "skin/draw/PictureCache.h"

namespace skin {

void ShutdownGraphics(SkinEngine& engine) {
    if (!engine.graphicsToken) return;
    // Kept pictures are GDI+ objects: they must go while the library still runs.
    ClearPictureCache();
    ReleaseKeptFontFamilies();
    Gdiplus::GdiplusShutdown(engine.graphicsToken);
    engine.graphicsToken = 0;
}

}  // namespace skin
