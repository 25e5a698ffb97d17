#include "skin/controls/CheckBoxPainter.h"

#include <cmath>

#include "embedded_pictures.h"
#include "graphics/GxFont.h"
#include "graphics/GxGraphics.h"
#include "graphics/GxPath.h"
#include "graphics/GxPenBrush.h"
#include "skin/controls/OffscreenPaint.h"
#include "skin/controls/Subclassing.h"
#include "skin/draw/Colour.h"
#include "skin/draw/FaceCache.h"
#include "skin/draw/Paths.h"
#include "skin/draw/PictureDrawing.h"

namespace skin {
namespace {

constexpr int kBoxSize = 13;
// The hover glow keeps this colour whatever the theme.
constexpr COLORREF kGlowColour = 0xDDCA22;
constexpr int kGlowPasses = 2;
constexpr int kGlowAlpha = 30;
constexpr int kTintAlpha = 100;
// What a caption is drawn with when the control's font could not be captured.
constexpr char kFallbackFontName[] = "宋体";
constexpr int kFallbackFontSize = 12;

using Gdiplus::PointF;

bool IsChecked(HWND control) { return SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED; }
bool IsHot(UINT itemState) { return (itemState & ODS_HOTLIGHT) != 0; }

GxPath EllipsePath(float x, float y, float width, float height) {
    GxPath path;
    path.CreatePath();
    path.AddPathEllipse(x, y, width, height);
    return path;
}

void FillWithGradient(GxGraphics& surface, const GxPath& path, PointF from, PointF to, Gdiplus::ARGB start) {
    GxLinearGradientBrush brush;
    brush.CreateLineBrush(from, to, start, Black(0));
    surface.FillPath(brush, path);
}

void StrokePath(GxGraphics& surface, const GxPath& path, Gdiplus::ARGB colour) {
    GxPen pen;
    pen.CreatePen1(colour, 1.0f);
    surface.DrawPath(pen, path);
}

// The theme tint from the upper left, and a faint glow around the shape.
void DrawHoverHighlight(GxGraphics& surface, const GxPath& shape, float left, float y1) {
    FillWithGradient(surface, shape, PointF(left + 3, y1), PointF(left + 11, y1 + 11),
                     RgbToArgb(SkinThemeColour, kTintAlpha, true));
    DrawPathGlow(surface, shape, kGlowPasses, kGlowColour, kGlowAlpha);
}

void DrawCheckGlyph(GxGraphics& surface, HWND control, UINT itemState, float left, float height) {
    // On a whole pixel, so the highlight covers the box the picture shows.
    const float boxTop = std::floor((height - kBoxSize) / 2);
    DrawPictureAt(surface, kCheckUnchecked, kCheckUncheckedSize, left, boxTop);
    if (IsChecked(control)) DrawPictureAt(surface, kCheckChecked, kCheckCheckedSize, left, boxTop);
    if (IsHot(itemState)) {
        GxPath box;
        box.CreatePath();
        box.AddPathRectangle(left, boxTop, kBoxSize, kBoxSize);
        DrawHoverHighlight(surface, box, left, (height - 12) / 2 + 1);
    }
}

void DrawRadioGlyph(GxGraphics& surface, HWND control, UINT itemState, float left, float height) {
    surface.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    const float y1 = (height - 12) / 2 + 1;

    StrokePath(surface, EllipsePath(left + 2, (height - 12) / 2, 12, 12), Black(200));

    GxPath inner = EllipsePath(left + 3, (height - 11) / 2 + 1, 9, 9);
    StrokePath(surface, inner, kOpaqueWhite);
    GxSolidBrush white;
    white.CreateSolidFill(kOpaqueWhite);
    surface.FillPath(white, inner);
    FillWithGradient(surface, inner, PointF(left + 3, y1), PointF(left + 10, y1 + 10), Black(100));
    if (IsHot(itemState)) DrawHoverHighlight(surface, inner, left, y1);

    if (IsChecked(control)) {
        GxPath dot = EllipsePath(left + 5, (height - 12) / 2 + 3, 6, 6);
        StrokePath(surface, dot, Black(200));
        GxPathGradientBrush shine;
        shine.CreatePathGradientFromPath(dot);
        shine.SetPathGradientCenterColor(White(100));
        Gdiplus::ARGB surround = RgbToArgb(RGB(0, 128, 128), 255, false);
        int count = 1;
        shine.SetPathGradientSurroundColorsWithCount(&surround, &count);
        surface.FillPath(shine, dot);
    }
}

// The captured font, or the fallback face when none was captured or it cannot be made.
bool MakeCaptionFont(GxFont& font, const ButtonEntry& entry) {
    const float size = static_cast<float>(entry.fontSize > 0 ? entry.fontSize : kFallbackFontSize);
    if (!entry.fontName.empty() &&
        font.CreateFontFromName(entry.fontName.c_str(), size, entry.fontStyle, Gdiplus::UnitPixel)) {
        return true;
    }
    return font.CreateFontFromName(kFallbackFontName, size, entry.fontStyle, Gdiplus::UnitPixel) ||
           font.CreateFontFromName(kFallbackFontName, size, 0, Gdiplus::UnitPixel);
}

void DrawCaption(GxGraphics& surface, HWND control, const ButtonEntry& entry, const Gdiplus::RectF& layout) {
    if (entry.text.empty()) return;
    GxFont font;
    if (!MakeCaptionFont(font, entry)) return;
    GxSolidBrush brush;
    brush.CreateSolidFill(RgbToArgb(GetPropColour(control, kPropTextColour), 255, false));
    GxStringFormat format;
    format.CreateStringFormat();
    format.SetStringFormatAlign(Gdiplus::StringAlignmentNear);
    format.SetStringFormatLineAlign(Gdiplus::StringAlignmentCenter);
    surface.DrawString(entry.text.c_str(), font, layout, &format, brush);
}

using GlyphPainter = void (*)(GxGraphics&, HWND, UINT, float, float);

// The frame both looks share; captionInset and captionWidthCut place the caption box.
void PaintCheckLike(HWND control, UINT itemState, const char* kind, GlyphPainter glyph, float captionInset,
                    float captionWidthCut) {
    const auto skinned = FindSkinnedControl(control, &SkinnedWindow::buttonControls);
    if (!skinned) return;
    RECT client = {};
    GetClientRect(control, &client);
    const float left = static_cast<float>(client.left);
    const float width = static_cast<float>(client.right - client.left);
    const float height = static_cast<float>(client.bottom - client.top);
    const ButtonEntry& entry = *skinned.entry;
    // The focus shows as the hover look: the glyph alone has no focused face.
    if (entry.focused == 1) itemState |= ODS_HOTLIGHT;
    OffscreenTarget target;
    target.look = LookText(kind)
                      .add(IsChecked(control) ? 1 : 0)
                      .add(itemState & ODS_HOTLIGHT)
                      .add(GetPropColour(control, kPropTextColour))
                      .add(entry.text)
                      .add(entry.fontName)
                      .add(entry.fontSize)
                      .add(entry.fontStyle)
                      .text();
    PaintOffscreen(control, client, target, [&](GxGraphics& surface, HDC) {
        glyph(surface, control, itemState, left, height);
        DrawCaption(surface, control, entry, Gdiplus::RectF(left + captionInset, 2, width - captionWidthCut, height));
    });
}

}  // namespace

void PaintCheckBox(HWND checkBox, UINT itemState) {
    PaintCheckLike(checkBox, itemState, "check", DrawCheckGlyph, 17, 19);
}

void PaintRadioButton(HWND radioButton, UINT itemState) {
    PaintCheckLike(radioButton, itemState, "radio", DrawRadioGlyph, 18, 0);
}

}  // namespace skin
