// The title (icon and text) and the caption buttons in their normal, hot and pressed
// looks, drawn into the composed background and, outside composition, copied to the window.
#include <algorithm>
#include <string>

#include "graphics/GdiHandles.h"

#include "graphics/GxFont.h"
#include "graphics/GxGraphics.h"
#include "graphics/GxImage.h"
#include "graphics/GxPath.h"
#include "graphics/GxPenBrush.h"
#include "skin/draw/PictureCache.h"
#include "skin/core/SkinEngine.h"
#include "skin/core/SkinRegistry.h"
#include "skin/draw/Backgrounds.h"
#include "skin/draw/Colour.h"
#include "skin/draw/Paths.h"
#include "skin/draw/ChildClipping.h"
#include "skin/draw/WindowQueries.h"
#include "skin/frame/FrameGeometry.h"
#include "skin/frame/FramePainting.h"
#include "skin/frame/FrameOperations.h"

namespace skin {
namespace {

constexpr int kIconSize = 17;
constexpr int kIconLeft = 6;
constexpr int kTextOffset = 20;                // from the icon's left edge
constexpr int kTextGap = 10;                   // between the title text and the caption buttons
constexpr float kCloseCornerDiameter = 10.0f;  // the window's corner, radius 5
constexpr COLORREF kRed = 0x0000FF;

HICON TitleIcon(const SkinEngine& engine, HWND window) {
    if (engine.applicationIcon) return engine.applicationIcon;
    if (auto small = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICONSM))) return small;
    return reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICON));
}

// Copies area of the composed background to the window.
void ShowArea(const SkinnedWindow& record, const RECT& area) {
    if (area.right <= area.left || area.bottom <= area.top) return;
    gdi::WindowDC target = gdi::WindowDC::Client(record.hwnd);
    if (!target.get()) return;
    BitBlt(target.get(), area.left, area.top, area.right - area.left, area.bottom - area.top, record.backgroundDC.get(),
           area.left, area.top, SRCCOPY);
}

// Puts the clean title band back under area (clipped to the band). False without a snapshot.
bool RestoreFromCaptionSnapshot(const SkinnedWindow& record, RECT area) {
    if (!record.captionSnapshotDC) return false;
    const RECT client = ClientRectOf(record.hwnd);
    area.left = std::max<LONG>(area.left, 0);
    area.top = std::max<LONG>(area.top, 0);
    area.right = std::min<LONG>(area.right, client.right);
    area.bottom = std::min<LONG>(area.bottom, CaptionBandHeight(record));
    if (area.right > area.left && area.bottom > area.top) {
        BitBlt(record.backgroundDC.get(), area.left, area.top, area.right - area.left, area.bottom - area.top,
               record.captionSnapshotDC.get(), area.left, area.top, SRCCOPY);
    }
    return true;
}

// Outside composition a piece is redrawn over the clean band on the composed background:
// this puts the band back under area and readies surface. False when there is nothing to
// draw on.
bool BeginRedraw(const SkinnedWindow& record, const RECT& area, GxGraphics& surface) {
    if (!RestoreFromCaptionSnapshot(record, area)) return false;
    return !surface.IsEmpty() || surface.CreateFromHDC(record.backgroundDC.get());
}

// Shows the redrawn area on the window and tells the stores of composed pictures.
void EndRedraw(const SkinnedWindow& record, const RECT& area, GxGraphics& surface) {
    surface.Flush(Gdiplus::FlushIntentionSync);
    NoteBackgroundChanged(record.hwnd, &area);
    ShowArea(record, area);
}

RECT TitleArea(const SkinnedWindow& record) {
    return RECT{0, 0, std::max(0, record.buttonsLeft - kTextGap), CaptionBandHeight(record)};
}

void DrawTitleText(const SkinnedWindow& record, GxGraphics& surface, const std::string& text) {
    if (text.empty()) return;
    const float left = static_cast<float>(kIconLeft + kTextOffset);
    const float width = static_cast<float>(record.buttonsLeft - kTextGap) - left;
    if (width <= 0) return;
    GxFont font;
    if (!font.CreateFontFromName(record.titleFontName.c_str(), static_cast<float>(record.titleFontSize),
                                 Gdiplus::FontStyleRegular, Gdiplus::UnitPixel) &&
        !font.CreateDefaultGuiFont()) {
        return;
    }
    GxStringFormat format;
    format.CreateStringFormat(Gdiplus::StringFormatFlagsNoWrap);
    format.SetStringFormatLineAlign(Gdiplus::StringAlignmentCenter);
    format.SetStringFormatTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
    surface.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
    const Gdiplus::RectF layout(left, 0, width, static_cast<float>(record.titleHeight));
    if (record.titleFlag) {
        GxSolidBrush shadow;
        shadow.CreateSolidFill(RgbToArgb(record.titleShadowColour, 255, false));
        const Gdiplus::RectF shifted(layout.X + 1, layout.Y + 1, layout.Width, layout.Height);
        surface.DrawString(text.c_str(), font, shifted, &format, shadow);
    }
    GxSolidBrush ink;
    ink.CreateSolidFill(RgbToArgb(record.titleColour, 255, false));
    surface.DrawString(text.c_str(), font, layout, &format, ink);
}

// The outline of the close button: square at the left, rounded like the window at the top right.
void AddCloseShape(GxPath& path, float x, float y, float right, float bottom) {
    const float d = kCloseCornerDiameter;
    path.StartPathFigure();
    path.AddPathLine(x, bottom, x, y);
    path.AddPathLine(x, y, right - d / 2, y);
    path.AddPathArc(right - d, y, d, d, 270, 90);
    path.AddPathLine(right, y + d / 2, right, bottom);
    path.ClosePathFigure();
}

struct ButtonBox {
    float x, y, width, height;
    float shapeRight;  // the close button's shape ends at the window's edge
    bool close;
};

ButtonBox BoxOf(const SkinnedWindow& record, const CaptionButton& button) {
    const RECT client = ClientRectOf(record.hwnd);
    const FloatRect& r = button.hitRect;
    const bool close = button.id == kCaptionClose;
    const float right = close ? std::min(r.x + r.width, static_cast<float>(client.right - 1)) : r.x + r.width;
    return ButtonBox{r.x, r.y, r.width, r.height, right, close};
}

void MakeButtonShape(GxPath& path, const ButtonBox& box, bool plainWhenNotClose) {
    path.CreatePath();
    if (box.close) {
        AddCloseShape(path, box.x, box.y, box.shapeRight, box.y + box.height);
    } else if (plainWhenNotClose) {
        path.AddPathRectangle(box.x, box.y, box.width, box.height);
    } else {
        AddTopRoundedRectToPath(path, static_cast<int>(box.x), static_cast<int>(box.y), static_cast<int>(box.width),
                                static_cast<int>(box.height), 1);
    }
}

void FillVertical(GxGraphics& surface, const GxPath& shape, const ButtonBox& box, Gdiplus::ARGB top,
                  Gdiplus::ARGB bottom) {
    GxLinearGradientBrush brush;
    // One pixel of overshoot on each end keeps the tiled gradient from wrapping at the edges.
    brush.CreateLineBrush(Gdiplus::PointF(0, box.y - 1), Gdiplus::PointF(0, box.y + box.height + 1), top, bottom);
    surface.FillPath(brush, shape);
}

void DrawPressedLook(GxGraphics& surface, const ButtonBox& box) {
    GxPath shape;
    MakeButtonShape(shape, box, true);
    if (box.close) {
        FillVertical(surface, shape, box, RgbToArgb(kRed, 255, true), White(30));
    } else {
        FillVertical(surface, shape, box, Black(80), White(5));
    }
}

void DrawHotLook(GxGraphics& surface, const ButtonBox& box, int alpha) {
    GxPath shape;
    MakeButtonShape(shape, box, false);
    const COLORREF tint = box.close ? kRed : SkinThemeColour;
    FillVertical(surface, shape, box, RgbToArgb(tint, alpha, true), White(0));

    // A light rim over the top 80 % of the shape, fading downwards.
    const float rimHeight = box.height * 0.8f;
    GxLinearGradientBrush rimBrush;
    rimBrush.CreateLineBrush(Gdiplus::PointF(0, box.y - 1), Gdiplus::PointF(0, box.y + rimHeight),
                             White(static_cast<int>(0.8 * alpha)), White(0));
    GxPen rim;
    rim.CreatePen2(rimBrush, 1.0f);
    surface.SetClipRect(box.x - 1, box.y - 1, box.width + 2, rimHeight + 1);
    surface.DrawPath(rim, shape);
    surface.ResetClip();
}

void DrawButtonPicture(GxGraphics& surface, const SkinnedWindow& record, const CaptionButton& button,
                       const ButtonBox& box) {
    const bool restoreLook = button.id == kCaptionMaximize && record.maximizedFlag && !button.secondPicture.empty();
    const std::vector<uint8_t>& bytes = restoreLook ? button.secondPicture : button.picture;
    if (bytes.empty()) return;
    const GxImage* picture = DecodedPicture(bytes);
    if (!picture) return;
    const float width = static_cast<float>(picture->GetImageWidth());
    const float height = static_cast<float>(picture->GetImageHeight());
    const float x = box.x + static_cast<float>(static_cast<int>((box.width - width) / 2));
    surface.DrawImageRect(*picture, x, box.y, width, height);
}

}  // namespace

void PaintTitle(SkinEngine& engine, int index, GxGraphics& surface, int composing,
                const std::optional<std::string>& text) {
    SkinnedWindow* record = GetSkinnedWindow(index);
    if (!record || !record->backgroundDC) return;
    const RECT area = TitleArea(*record);
    if (!composing && !BeginRedraw(*record, area, surface)) return;
    if (HICON icon = TitleIcon(engine, record->hwnd)) {
        surface.Flush(Gdiplus::FlushIntentionSync);
        if (HDC dc = surface.GetDC()) {
            const int top = std::max(0, (record->titleHeight - kIconSize) / 2);
            DrawIconEx(dc, kIconLeft, top, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
            surface.ReleaseDC(dc);
        }
    }
    DrawTitleText(*record, surface, text ? *text : WindowOwnText(record->hwnd));
    if (!composing) EndRedraw(*record, area, surface);
}

void PaintCaptionButton(SkinEngine&, int index, int number, GxGraphics& surface, int composing,
                        std::optional<int> pressed, std::optional<int> alpha) {
    SkinnedWindow* record = GetSkinnedWindow(index);
    const CaptionButton* button = record ? record->captionButtons.at(number) : nullptr;
    if (!button || !record->backgroundDC) return;
    const ButtonBox box = BoxOf(*record, *button);
    RECT area = TruncatedRect(button->hitRect);
    InflateRect(&area, 1, 1);
    // A single button is redrawn over the clean band, never over its previous look.
    if (!composing && !BeginRedraw(*record, area, surface)) return;
    surface.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    if (pressed.value_or(0)) {
        DrawPressedLook(surface, box);
    } else if (alpha.value_or(0) > 0) {
        DrawHotLook(surface, box, std::min(*alpha, 255));
    }
    DrawButtonPicture(surface, *record, *button, box);
    if (!composing) EndRedraw(*record, area, surface);
}

// Strip items carry only their place in this program: there is nothing of theirs to draw.
void PaintStripItems(SkinEngine&, int, GxGraphics&) {}

}  // namespace skin
