#include "graphics/GxGraphics.h"

#include "graphics/GxCalls.h"
#include "graphics/GxFont.h"
#include "graphics/GxImage.h"
#include "graphics/GxPath.h"
#include "graphics/GxPenBrush.h"
#include "graphics/GxRegion.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {
GpStringFormat* NativeFormat(const GxStringFormat* format) { return format ? format->GetNativeObject() : nullptr; }
}  // namespace

bool GxGraphics::Flush(FlushIntention intention) { return GxStore(GdipFlush(GetNativeObject(), intention)); }

bool GxGraphics::CreateFromHWND(HWND window) {
    GpGraphics* graphics = nullptr;
    return GxAdopt(*this, GdipCreateFromHWND(window, &graphics), graphics);
}

bool GxGraphics::CreateFromHDC(HDC dc) {
    GpGraphics* graphics = nullptr;
    return GxAdopt(*this, GdipCreateFromHDC(dc, &graphics), graphics);
}

bool GxGraphics::GetImageGraphicsContext(GxImage& image) {
    GpGraphics* graphics = nullptr;
    return GxAdopt(*this, GdipGetImageGraphicsContext(image.GetNativeObject(), &graphics), graphics);
}

HDC GxGraphics::GetDC() {
    HDC dc = nullptr;
    if (!GxStore(GdipGetDC(GetNativeObject(), &dc))) return nullptr;
    return dc;
}

bool GxGraphics::ReleaseDC(HDC dc) { return GxStore(GdipReleaseDC(GetNativeObject(), dc)); }

bool GxGraphics::SetCompositingMode(CompositingMode mode) {
    return GxStore(GdipSetCompositingMode(GetNativeObject(), mode));
}

bool GxGraphics::SetCompositingQuality(CompositingQuality quality) {
    return GxStore(GdipSetCompositingQuality(GetNativeObject(), quality));
}

bool GxGraphics::SetTextRenderingHint(TextRenderingHint hint) {
    return GxStore(GdipSetTextRenderingHint(GetNativeObject(), hint));
}

bool GxGraphics::SetInterpolationMode(InterpolationMode mode) {
    return GxStore(GdipSetInterpolationMode(GetNativeObject(), mode));
}

bool GxGraphics::SetSmoothingMode(SmoothingMode mode) { return GxStore(GdipSetSmoothingMode(GetNativeObject(), mode)); }

bool GxGraphics::SetPixelOffsetMode(PixelOffsetMode mode) {
    return GxStore(GdipSetPixelOffsetMode(GetNativeObject(), mode));
}

bool GxGraphics::ResetWorldTransform() { return GxStore(GdipResetWorldTransform(GetNativeObject())); }

bool GxGraphics::TranslateWorldTransform(float dx, float dy, MatrixOrder order) {
    return GxStore(GdipTranslateWorldTransform(GetNativeObject(), dx, dy, order));
}

bool GxGraphics::RotateWorldTransform(float angle, MatrixOrder order) {
    return GxStore(GdipRotateWorldTransform(GetNativeObject(), angle, order));
}

bool GxGraphics::ScaleWorldTransform(float sx, float sy, MatrixOrder order) {
    return GxStore(GdipScaleWorldTransform(GetNativeObject(), sx, sy, order));
}

bool GxGraphics::DrawLine(const GxPen& pen, float x1, float y1, float x2, float y2) {
    return GxStore(GdipDrawLine(GetNativeObject(), pen.GetNativeObject(), x1, y1, x2, y2));
}

bool GxGraphics::DrawLineI(const GxPen& pen, int x1, int y1, int x2, int y2) {
    return GxStore(GdipDrawLineI(GetNativeObject(), pen.GetNativeObject(), x1, y1, x2, y2));
}

bool GxGraphics::DrawArc(const GxPen& pen, float x, float y, float width, float height, float startAngle,
                         float sweepAngle) {
    return GxStore(GdipDrawArc(GetNativeObject(), pen.GetNativeObject(), x, y, width, height, startAngle, sweepAngle));
}

bool GxGraphics::DrawRectangle(const GxPen& pen, float x, float y, float width, float height) {
    return GxStore(GdipDrawRectangle(GetNativeObject(), pen.GetNativeObject(), x, y, width, height));
}

bool GxGraphics::DrawRectangleI(const GxPen& pen, int x, int y, int width, int height) {
    return GxStore(GdipDrawRectangleI(GetNativeObject(), pen.GetNativeObject(), x, y, width, height));
}

bool GxGraphics::DrawEllipse(const GxPen& pen, float x, float y, float width, float height) {
    return GxStore(GdipDrawEllipse(GetNativeObject(), pen.GetNativeObject(), x, y, width, height));
}

bool GxGraphics::DrawPolygon(const GxPen& pen, const PointF* points, int count) {
    return GxStore(GdipDrawPolygon(GetNativeObject(), pen.GetNativeObject(), points, count));
}

bool GxGraphics::DrawPath(const GxPen& pen, const GxPath& path) {
    return GxStore(GdipDrawPath(GetNativeObject(), pen.GetNativeObject(), path.GetNativeObject()));
}

bool GxGraphics::GraphicsClear(ARGB colour) { return GxStore(GdipGraphicsClear(GetNativeObject(), colour)); }

bool GxGraphics::FillRectangle(const GxBrush& brush, float x, float y, float width, float height) {
    return GxStore(GdipFillRectangle(GetNativeObject(), brush.GetNativeObject(), x, y, width, height));
}

bool GxGraphics::FillRectangleI(const GxBrush& brush, int x, int y, int width, int height) {
    return GxStore(GdipFillRectangleI(GetNativeObject(), brush.GetNativeObject(), x, y, width, height));
}

bool GxGraphics::FillEllipse(const GxBrush& brush, float x, float y, float width, float height) {
    return GxStore(GdipFillEllipse(GetNativeObject(), brush.GetNativeObject(), x, y, width, height));
}

bool GxGraphics::FillPolygon(const GxBrush& brush, const PointF* points, int count, FillMode fillMode) {
    return GxStore(GdipFillPolygon(GetNativeObject(), brush.GetNativeObject(), points, count, fillMode));
}

bool GxGraphics::FillPath(const GxBrush& brush, const GxPath& path) {
    return GxStore(GdipFillPath(GetNativeObject(), brush.GetNativeObject(), path.GetNativeObject()));
}

bool GxGraphics::FillRegion(const GxBrush& brush, const GxRegion& region) {
    return GxStore(GdipFillRegion(GetNativeObject(), brush.GetNativeObject(), region.GetNativeObject()));
}

bool GxGraphics::DrawString(const char* text, const GxFont& font, const RectF& layout, const GxStringFormat* format,
                            const GxBrush& brush) {
    return DrawStringW(GxAnsiToWide(text).c_str(), font, layout, format, brush);
}

bool GxGraphics::DrawStringW(const wchar_t* text, const GxFont& font, const RectF& layout, const GxStringFormat* format,
                             const GxBrush& brush) {
    if (!text) text = L"";
    return GxStore(GdipDrawString(GetNativeObject(), text, lstrlenW(text), font.GetNativeObject(), &layout,
                                  NativeFormat(format), brush.GetNativeObject()));
}

bool GxGraphics::MeasureString(const char* text, const GxFont& font, const RectF& layout, const GxStringFormat* format,
                               RectF* bounds, int* codepointsFitted, int* linesFilled) {
    return MeasureStringW(GxAnsiToWide(text).c_str(), font, layout, format, bounds, codepointsFitted, linesFilled);
}

bool GxGraphics::MeasureStringW(const wchar_t* text, const GxFont& font, const RectF& layout,
                                const GxStringFormat* format, RectF* bounds, int* codepointsFitted, int* linesFilled) {
    if (!text) text = L"";
    return GxStore(GdipMeasureString(GetNativeObject(), text, lstrlenW(text), font.GetNativeObject(), &layout,
                                     NativeFormat(format), bounds, codepointsFitted, linesFilled));
}

bool GxGraphics::DrawImage(const GxImage& image, float x, float y) {
    return GxStore(GdipDrawImage(GetNativeObject(), image.GetNativeObject(), x, y));
}

bool GxGraphics::DrawImageI(const GxImage& image, int x, int y) {
    return GxStore(GdipDrawImageI(GetNativeObject(), image.GetNativeObject(), x, y));
}

bool GxGraphics::DrawImageRect(const GxImage& image, float x, float y, float width, float height) {
    return GxStore(GdipDrawImageRect(GetNativeObject(), image.GetNativeObject(), x, y, width, height));
}

bool GxGraphics::DrawImageRectRect(const GxImage& image, float dstX, float dstY, float dstWidth, float dstHeight,
                                   float srcX, float srcY, float srcWidth, float srcHeight, Unit srcUnit) {
    return GxStore(GdipDrawImageRectRect(GetNativeObject(), image.GetNativeObject(), dstX, dstY, dstWidth, dstHeight,
                                         srcX, srcY, srcWidth, srcHeight, srcUnit, nullptr, nullptr, nullptr));
}

bool GxGraphics::SetClipPath(const GxPath& path, CombineMode mode) {
    return GxStore(GdipSetClipPath(GetNativeObject(), path.GetNativeObject(), mode));
}

bool GxGraphics::SetClipRect(float x, float y, float width, float height, CombineMode mode) {
    return GxStore(GdipSetClipRect(GetNativeObject(), x, y, width, height, mode));
}

bool GxGraphics::SetClipRegion(const GxRegion& region, CombineMode mode) {
    return GxStore(GdipSetClipRegion(GetNativeObject(), region.GetNativeObject(), mode));
}

bool GxGraphics::ResetClip() { return GxStore(GdipResetClip(GetNativeObject())); }
