#pragma once
// Owning wrapper of a GDI+ drawing surface (GpGraphics) over a DC, a window or a picture.
#include "graphics/GxCore.h"

class GxPath;
class GxPen;
class GxBrush;
class GxImage;
class GxFont;
class GxStringFormat;
class GxRegion;

class GxGraphics : public GxObject<Gdiplus::GpGraphics, Gdiplus::DllExports::GdipDeleteGraphics> {
public:
    bool DeleteGraphics() { return DeleteNative(); }
    bool Flush(Gdiplus::FlushIntention intention = Gdiplus::FlushIntentionFlush);
    bool CreateFromHWND(HWND window);
    bool CreateFromHDC(HDC dc);
    // A surface that draws into the picture.
    bool GetImageGraphicsContext(GxImage& image);
    // The DC under the surface; every GetDC must be paired with ReleaseDC.
    HDC GetDC();
    bool ReleaseDC(HDC dc);

    bool SetCompositingMode(Gdiplus::CompositingMode mode);
    bool SetCompositingQuality(Gdiplus::CompositingQuality quality);
    bool SetTextRenderingHint(Gdiplus::TextRenderingHint hint);
    bool SetInterpolationMode(Gdiplus::InterpolationMode mode);
    bool SetSmoothingMode(Gdiplus::SmoothingMode mode);
    bool SetPixelOffsetMode(Gdiplus::PixelOffsetMode mode);
    bool ResetWorldTransform();
    bool TranslateWorldTransform(float dx, float dy, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool RotateWorldTransform(float angle, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool ScaleWorldTransform(float sx, float sy, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);

    bool DrawLine(const GxPen& pen, float x1, float y1, float x2, float y2);
    bool DrawLineI(const GxPen& pen, int x1, int y1, int x2, int y2);
    bool DrawArc(const GxPen& pen, float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool DrawRectangle(const GxPen& pen, float x, float y, float width, float height);
    bool DrawRectangleI(const GxPen& pen, int x, int y, int width, int height);
    bool DrawEllipse(const GxPen& pen, float x, float y, float width, float height);
    bool DrawPolygon(const GxPen& pen, const Gdiplus::PointF* points, int count);
    bool DrawPath(const GxPen& pen, const GxPath& path);

    bool GraphicsClear(Gdiplus::ARGB colour);
    bool FillRectangle(const GxBrush& brush, float x, float y, float width, float height);
    bool FillRectangleI(const GxBrush& brush, int x, int y, int width, int height);
    bool FillEllipse(const GxBrush& brush, float x, float y, float width, float height);
    bool FillPolygon(const GxBrush& brush, const Gdiplus::PointF* points, int count,
                     Gdiplus::FillMode fillMode = Gdiplus::FillModeAlternate);
    bool FillPath(const GxBrush& brush, const GxPath& path);
    bool FillRegion(const GxBrush& brush, const GxRegion& region);

    // Text in the ANSI code page; a null format means GDI+'s default layout.
    bool DrawString(const char* text, const GxFont& font, const Gdiplus::RectF& layout, const GxStringFormat* format,
                    const GxBrush& brush);
    bool DrawStringW(const wchar_t* text, const GxFont& font, const Gdiplus::RectF& layout,
                     const GxStringFormat* format, const GxBrush& brush);
    bool MeasureString(const char* text, const GxFont& font, const Gdiplus::RectF& layout, const GxStringFormat* format,
                       Gdiplus::RectF* bounds, int* codepointsFitted = nullptr, int* linesFilled = nullptr);
    bool MeasureStringW(const wchar_t* text, const GxFont& font, const Gdiplus::RectF& layout,
                        const GxStringFormat* format, Gdiplus::RectF* bounds, int* codepointsFitted = nullptr,
                        int* linesFilled = nullptr);

    // At the picture's own size (from its resolution) with the top-left corner at (x, y).
    bool DrawImage(const GxImage& image, float x, float y);
    bool DrawImageI(const GxImage& image, int x, int y);
    // Scaled into the rectangle.
    bool DrawImageRect(const GxImage& image, float x, float y, float width, float height);
    // The source rectangle of the picture scaled into the destination rectangle.
    bool DrawImageRectRect(const GxImage& image, float dstX, float dstY, float dstWidth, float dstHeight, float srcX,
                           float srcY, float srcWidth, float srcHeight, Gdiplus::Unit srcUnit = Gdiplus::UnitPixel);

    bool SetClipPath(const GxPath& path, Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
    bool SetClipRect(float x, float y, float width, float height,
                     Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
    bool SetClipRegion(const GxRegion& region, Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
    bool ResetClip();
};
