// Composition of a skinned window's picture into its background DC, and the cheap
// repaint that copies it to the screen.
#include "skin/frame/FramePainting.h"

#include <array>
#include <cstdint>
#include <iterator>

#include "skin/draw/Backgrounds.h"
#include "skin/draw/PictureCache.h"

#include "graphics/GdiHandles.h"
#include "graphics/GxGraphics.h"
#include "graphics/GxImage.h"
#include "graphics/GxPath.h"
#include "graphics/GxPenBrush.h"
#include "skin/core/Properties.h"
#include "skin/core/SkinEngine.h"
#include "skin/core/SkinRegistry.h"
#include "skin/draw/Colour.h"
#include "skin/draw/Paths.h"
#include "skin/draw/TopDownPixels.h"
#include "skin/draw/WindowQueries.h"
#include "skin/draw/ChildClipping.h"
#include "skin/frame/LayerCache.h"
#include "skin/frame/FrameOperations.h"

namespace skin {
namespace {

constexpr int kBackgroundCorner = 4;
constexpr int kRegionCorner = 5;

enum ImageMode { kTopLeft = 0, kTopRight = 1, kCentred = 2, kStretched = 3, kTopLeftPrepared = 4 };

void DrawBackgroundPicture(GxGraphics& surface, const GxImage& picture, int mode, const RECT& client) {
    const int width = static_cast<int>(picture.GetImageWidth());
    const int height = static_cast<int>(picture.GetImageHeight());
    if (width <= 0 || height <= 0) return;
    // Drawn at its pixel size: the picture's own resolution must not scale it.
    auto drawAt = [&](int x, int y) {
        surface.DrawImageRect(picture, static_cast<float>(x), static_cast<float>(y), static_cast<float>(width),
                              static_cast<float>(height));
    };
    switch (mode) {
        case kTopRight:
            drawAt(client.right - width, 0);
            break;
        case kCentred:
            drawAt((client.right - width) / 2, (client.bottom - height) / 2);
            break;
        case kStretched:
            surface.DrawImageRect(picture, 0, 0, static_cast<float>(client.right), static_cast<float>(client.bottom));
            break;
        case kTopLeft:
        case kTopLeftPrepared:
        default:
            drawAt(0, 0);
            break;
    }
}

void PaintTitleGloss(GxGraphics& surface, const RECT& client, int titleHeight) {
    if (titleHeight <= 0) return;
    GxLinearGradientBrush gloss;
    gloss.CreateLineBrush(Gdiplus::PointF(0, 0), Gdiplus::PointF(0, static_cast<float>(titleHeight)), White(150),
                          White(0));
    surface.FillRectangle(gloss, 0, 0, static_cast<float>(client.right), static_cast<float>(titleHeight));
}

// A fresh copy of (x, y, width, height) of source; an empty band leaves no snapshot.
void ReplaceSnapshot(gdi::MemoryDC& snapshot, HDC source, int x, int y, int width, int height) {
    snapshot.reset();
    if (!source || width <= 0 || height <= 0) return;
    gdi::MemoryDC copy(source);
    if (!copy || !copy.adopt(CreateCompatibleBitmap(source, width, height))) return;
    BitBlt(copy.get(), 0, 0, width, height, source, x, y, SRCCOPY);
    snapshot = std::move(copy);
}

// Selects a new client-sized 32-bit bitmap into the background DC (creating the DC on
// first use); the composition it replaces is deleted. False when nothing could be made.
bool PrepareBackgroundDC(SkinnedWindow& record, const RECT& client) {
    if (!record.backgroundDC) record.backgroundDC = gdi::MemoryDC(nullptr);
    if (!record.backgroundDC) return false;
    // A zero-filled section: the transparent black an empty GDI+ picture converts to,
    // without making and converting that picture first.
    gdi::Bitmap composed(CreateTopDownSection(client.right, client.bottom));
    if (!composed) return false;
    // The first composition displaces the bitmap the DC was made with.
    if (!GetPropValue(record.hwnd, kPropOriginalBitmap)) {
        SetPropHandle(record.hwnd, kPropOriginalBitmap, GetCurrentObject(record.backgroundDC.get(), OBJ_BITMAP));
    }
    record.backgroundDC.adopt(composed.release());
    SetPropHandle(record.hwnd, kPropComposedBitmap, record.backgroundDC.bitmap());
    return true;
}

void CopyBackgroundToWindow(const SkinnedWindow& record, HDC target, int width, int height) {
    gdi::SavedState state(target);
    ClipOutOpaqueChildren(record.hwnd, target);
    BitBlt(target, 0, 0, width, height, record.backgroundDC.get(), 0, 0, SRCCOPY);
}

}  // namespace

int CaptionBandHeight(const SkinnedWindow& record) { return record.titleHeight; }

void SetRoundWindowRegion(HWND window) {
    // The region depends on the client size alone: a window that already has one of this
    // size keeps it, which spares a rebuild two region changes and their repaints.
    RECT client = {};
    GetClientRect(window, &client);
    RECT held = {};
    if (GetWindowRgnBox(window, &held) != ERROR && held.left == 0 && held.top == 0 && held.right == client.right &&
        held.bottom == client.bottom)
        return;
    SetWindowRgn(window, nullptr, TRUE);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
    GetClientRect(window, &client);
    // A region the window takes belongs to the system from then on; a refused one goes
    // with its owner.
    gdi::Region region(CreateRoundRectRgn(0, 0, client.right + 1, client.bottom + 1, kRegionCorner, kRegionCorner));
    region.giveToWindow(window, TRUE);
}

namespace {

// The four corner squares of a width x height window that reach outside its rounded shape.
std::array<RECT, 4> CornerBoxes(int width, int height) {
    const int corner = 2 * kBackgroundCorner + 2;
    return {RECT{0, 0, corner, corner}, RECT{0, height - corner, corner, height},
            RECT{width - corner, 0, width, corner}, RECT{width - corner, height - corner, width, height}};
}

// Keys out what of box lies outside the window's rounded shape. Clipping every drawing to
// the shape would cost a masked pass over the whole window each; only the corners lie
// outside it.
void KeyOutCorner(GxGraphics& surface, int width, int height, const RECT& box) {
    GxPath shape;
    shape.CreatePath();
    AddRoundRectToPath(shape, 0, 0, static_cast<float>(width), static_cast<float>(height), kBackgroundCorner);
    surface.SetClipRect(static_cast<float>(box.left), static_cast<float>(box.top),
                        static_cast<float>(box.right - box.left), static_cast<float>(box.bottom - box.top));
    surface.SetClipPath(shape, Gdiplus::CombineModeExclude);
    surface.GraphicsClear(kOpaqueKeyColour);
    surface.ResetClip();
}

// The same on pixels in memory, each corner through a picture over its own square. False
// when the window is smaller than its corners or a picture cannot be made.
bool KeyOutCornersOn(PixelCopy& pixels) {
    const int corner = 2 * kBackgroundCorner + 2;
    if (pixels.width < corner || pixels.height < corner) return false;
    for (const RECT& box : CornerBoxes(pixels.width, pixels.height)) {
        GxBitmap memory;
        std::uint32_t* origin = pixels.pixels.data() + static_cast<size_t>(box.top) * pixels.width + box.left;
        if (!memory.CreateBitmapFromScan0(corner, corner, pixels.width * 4, PixelFormat32bppPARGB,
                                          reinterpret_cast<BYTE*>(origin))) {
            return false;
        }
        GxGraphics surface;
        if (!surface.GetImageGraphicsContext(memory)) return false;
        surface.TranslateWorldTransform(static_cast<float>(-box.left), static_cast<float>(-box.top));
        KeyOutCorner(surface, pixels.width, pixels.height, box);
        if (!surface.Flush(Gdiplus::FlushIntentionSync)) return false;
    }
    return true;
}

}  // namespace

void PaintBackgroundLayer(const SkinnedWindow& record, GxGraphics& surface, const RECT& client, HDC dc,
                          PixelCopy* laid) {
    surface.SetSmoothingMode(Gdiplus::SmoothingModeNone);
    const float width = static_cast<float>(client.right);
    const float height = static_cast<float>(client.bottom);

    const bool ownPicture = !record.windowPicture.empty();
    const COLORREF colour = ownPicture ? record.pictureColour : SkinBackColour;
    const std::vector<uint8_t>& bytes = ownPicture ? record.windowPicture : SkinBackgroundImage;
    const int mode = ownPicture ? record.imageMode : SkinImageMode;

    // A stretched picture covers the window: the fill and the picture over it are composed
    // in memory and copied once. GDI+ on a DC reads the window back and blends it through
    // a temporary copy, several times the cost of the whole copy under Wine. Without the
    // gloss nothing comes between the picture and the keyed corners, so they are keyed in
    // memory too.
    PixelCopy ground;
    if (dc && mode == kStretched) {
        if (const PixelCopy* stretched = StretchedPixels(bytes, client.right, client.bottom))
            ground = CompositeOverFill(*stretched, colour);
    }
    const bool cornersInMemory = ground && !record.option8 && KeyOutCornersOn(ground);
    const bool inMemory = ground && DrawPixels(ground, dc, POINT{0, 0});
    if (!inMemory) {
        // An opaque fill of the whole window: the system's fill does it in a fraction of the
        // time GDI+ takes on a DC.
        const gdi::Brush plain(dc ? CreateSolidBrush(colour) : nullptr);
        if (plain) {
            FillRect(dc, &client, plain.get());
        } else {
            GxSolidBrush fill;
            fill.CreateSolidFill(RgbToArgb(colour, 255, false));
            surface.FillRectangle(fill, 0, 0, width, height);
        }
        if (mode == kStretched) {
            // Stretching is the slow part of a rebuild; the stretched picture is kept per size.
            if (const GxImage* stretched = StretchedPicture(bytes, client.right, client.bottom))
                surface.DrawImageRect(*stretched, 0, 0, width, height);
        } else if (const GxImage* picture = DecodedPicture(bytes)) {
            DrawBackgroundPicture(surface, *picture, mode, client);
        }
    }
    if (record.option8) PaintTitleGloss(surface, client, record.titleHeight);
    if (!(inMemory && cornersInMemory)) {
        for (const RECT& c : CornerBoxes(client.right, client.bottom))
            KeyOutCorner(surface, client.right, client.bottom, c);
    } else if (laid) {
        // Nothing was drawn over them: the DC holds exactly these pixels.
        *laid = std::move(ground);
    }
}

void PaintBorderLayer(GxGraphics& surface, const RECT& client) {
    surface.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    const float right = static_cast<float>(client.right);
    const float bottom = static_cast<float>(client.bottom);
    StrokeRoundRect(surface, 0, 0, right - 1, bottom - 1, 7, Black(180));
    StrokeRoundRect(surface, 1, 1, right - 3, bottom - 3, 6, White(180));
}

namespace {

// How far in from the window's edges the border reaches: its corners' arcs and a pixel of
// antialiasing.
constexpr int kBorderBand = 12;

// The border stroked on the layers' pixels in memory. On a DC each antialiased stroke of
// the window's outline costs a read-back and blend of the whole window under Wine; on
// memory it is a fraction of that. The library fills the outline's bounds, which are the
// whole window, so it is stroked on four bands along the edges instead, each a picture over
// the same pixels, and the cost follows the window's edges, not its area. False when a
// memory picture cannot be made.
bool StrokeBorderOn(PixelCopy& layers, const RECT& client) {
    const int w = layers.width;
    const int h = layers.height;
    struct Band {
        int x, y, width, height;
    };
    const bool banded = w > 2 * kBorderBand && h > 2 * kBorderBand;
    const Band whole[] = {{0, 0, w, h}};
    const Band bands[] = {{0, 0, w, kBorderBand},
                          {0, h - kBorderBand, w, kBorderBand},
                          {0, kBorderBand, kBorderBand, h - 2 * kBorderBand},
                          {w - kBorderBand, kBorderBand, kBorderBand, h - 2 * kBorderBand}};
    const Band* first = banded ? std::begin(bands) : std::begin(whole);
    const Band* last = banded ? std::end(bands) : std::end(whole);
    for (const Band* b = first; b != last; ++b) {
        GxBitmap memory;
        std::uint32_t* origin = layers.pixels.data() + static_cast<size_t>(b->y) * w + b->x;
        if (!memory.CreateBitmapFromScan0(b->width, b->height, w * 4, PixelFormat32bppPARGB,
                                          reinterpret_cast<BYTE*>(origin))) {
            return false;
        }
        GxGraphics surface;
        if (!surface.GetImageGraphicsContext(memory)) return false;
        surface.TranslateWorldTransform(static_cast<float>(-b->x), static_cast<float>(-b->y));
        PaintBorderLayer(surface, client);
        if (!surface.Flush(Gdiplus::FlushIntentionSync)) return false;
    }
    return true;
}

}  // namespace

void ReleaseComposedBackground(SkinnedWindow& record) {
    if (record.backgroundDC) {
        // Selects the DC's own bitmap back, then deletes the composed one and the DC, once.
        record.backgroundDC.reset();
        NoteBackgroundChanged(record.hwnd);
    }
    RemovePropValue(record.hwnd, kPropOriginalBitmap);
    RemovePropValue(record.hwnd, kPropComposedBitmap);
}

void ReleaseSnapshots(SkinnedWindow& record) {
    record.captionSnapshotDC.reset();
    record.stripSnapshotDC.reset();
}

void RebuildBackground(SkinEngine& engine, int index, HDC, int paint) {
    SkinnedWindow* record = GetSkinnedWindow(index);
    if (!record || !IsWindow(record->hwnd)) return;
    const HWND window = record->hwnd;
    const RECT client = ClientRectOf(window);
    // A minimized window has no client area: the composition waits, still marked stale.
    if (client.right <= 0 || client.bottom <= 0) return;
    SetRoundWindowRegion(window);
    // Setting the region sends messages; look the record up again afterwards.
    record = GetSkinnedWindow(index);
    if (!record || record->hwnd != window || !PrepareBackgroundDC(*record, client)) return;

    {
        const std::string look = LayerLook(*record, client);
        const HDC composed = record->backgroundDC.get();
        const bool kept = DrawKeptLayers(window, look, composed);
        GxGraphics surface;
        surface.CreateFromHDC(composed);
        if (!kept) {
            PixelCopy layers;
            PaintBackgroundLayer(*record, surface, client, composed, &layers);
            surface.Flush(Gdiplus::FlushIntentionSync);
            if (!layers) layers = CopyPixels(composed, client.right, client.bottom);
            if (record->option31) {
                if (layers && StrokeBorderOn(layers, client)) {
                    DrawPixels(layers, composed, POINT{0, 0});
                } else {
                    PaintBorderLayer(surface, client);
                    surface.Flush(Gdiplus::FlushIntentionSync);
                    layers = CopyPixels(composed, client.right, client.bottom);
                }
            }
            KeepLayers(window, look, std::move(layers));
        }
        // What the layers leave set for the drawing that follows them.
        surface.SetSmoothingMode(record->option31 ? Gdiplus::SmoothingModeAntiAlias : Gdiplus::SmoothingModeNone);
        if (record->option31) {
            surface.Flush(Gdiplus::FlushIntentionSync);
            ReplaceSnapshot(record->captionSnapshotDC, composed, 0, 0, client.right, CaptionBandHeight(*record));
        }
        surface.Flush(Gdiplus::FlushIntentionSync);
        const FloatRect& strip = record->stripRect;
        ReplaceSnapshot(record->stripSnapshotDC, composed, static_cast<int>(strip.x), static_cast<int>(strip.y),
                        static_cast<int>(strip.width), record->stripHeight);
        if (record->option31) {
            if (record->option7) engine.paintTitle(index, surface, 1, std::nullopt);
            const int buttons = record->captionButtons.count();
            for (int number = 1; number <= buttons; ++number) {
                engine.paintCaptionButton(index, number, surface, 1, std::nullopt, std::nullopt);
            }
        }
        if (record->stripHeight >= 1) engine.paintStripItems(index, surface);
        surface.Flush(Gdiplus::FlushIntentionSync);
    }

    record->backgroundStale = 0;
    NoteBackgroundChanged(window);
    if (!paint) return;
    {
        gdi::WindowDC target = gdi::WindowDC::Client(window);
        if (target.get()) CopyBackgroundToWindow(*record, target.get(), client.right, client.bottom);
    }
    InvalidateVisibleChildren(window);
}

void PaintFromBackground(SkinEngine&, int index, HDC dc) {
    const SkinnedWindow* record = GetSkinnedWindow(index);
    if (!record || !record->backgroundDC) return;
    const RECT frame = WindowRectOf(record->hwnd);
    // The paint DC stays with the caller, who ends the paint; a DC obtained here is ours.
    gdi::WindowDC own = gdi::WindowDC::Client(dc ? nullptr : record->hwnd);
    HDC target = dc ? dc : own.get();
    if (target) CopyBackgroundToWindow(*record, target, frame.right - frame.left, frame.bottom - frame.top);
}

}  // namespace skin
