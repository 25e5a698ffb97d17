#include "skin/draw/PictureDrawing.h"

#include <cmath>

#include "graphics/GxGraphics.h"
#include "graphics/GxImage.h"
#include "skin/draw/PictureCache.h"

namespace skin {

// The rectangle form, at the picture's own size: the point form drops the top row under
// Wine's GDI+.
void DrawPictureAt(GxGraphics& surface, const GxImage& picture, float x, float y) {
    surface.DrawImageRect(picture, std::floor(x), std::floor(y), static_cast<float>(picture.GetImageWidth()),
                          static_cast<float>(picture.GetImageHeight()));
}

void DrawPictureAt(GxGraphics& surface, const void* bytes, std::size_t size, float x, float y) {
    if (const GxImage* picture = DecodedPicture(bytes, size)) DrawPictureAt(surface, *picture, x, y);
}

void DrawPictureCentred(GxGraphics& surface, const void* bytes, std::size_t size, float x, float y, float width,
                        float height) {
    const GxImage* picture = DecodedPicture(bytes, size);
    if (!picture) return;
    const float pictureWidth = static_cast<float>(picture->GetImageWidth());
    const float pictureHeight = static_cast<float>(picture->GetImageHeight());
    DrawPictureAt(surface, *picture, x + (width - pictureWidth) / 2, y + (height - pictureHeight) / 2);
}

}  // namespace skin
