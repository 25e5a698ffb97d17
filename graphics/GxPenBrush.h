#pragma once
// Owning wrappers of GDI+ brushes (solid, linear gradient, path gradient) and pens.
#include "graphics/GxCore.h"

class GxPath;

// Common part of the brush classes; a brush of any kind fills and feeds pens.
class GxBrush : public GxObject<Gdiplus::GpBrush, Gdiplus::DllExports::GdipDeleteBrush> {
public:
    bool DeleteBrush() { return DeleteNative(); }
    // BrushType as GDI+ reports it, or -1 on failure.
    int GetBrushType() const;

protected:
    GxBrush() = default;
    GxBrush(GxBrush&&) noexcept = default;
    GxBrush& operator=(GxBrush&&) noexcept = default;
    ~GxBrush() = default;
};

class GxSolidBrush : public GxBrush {
public:
    bool CreateSolidFill(Gdiplus::ARGB colour);
    bool SetSolidFillColor(Gdiplus::ARGB colour);
    Gdiplus::ARGB GetSolidFillColor() const;

private:
    Gdiplus::GpSolidFill* Fill() const { return static_cast<Gdiplus::GpSolidFill*>(GetNativeObject()); }
};

class GxLinearGradientBrush : public GxBrush {
public:
    // colour1 sits at point1, colour2 at point2.
    bool CreateLineBrush(const Gdiplus::PointF& point1, const Gdiplus::PointF& point2, Gdiplus::ARGB colour1,
                         Gdiplus::ARGB colour2, Gdiplus::WrapMode wrapMode = Gdiplus::WrapModeTile);
    bool CreateLineBrushFromRect(const Gdiplus::RectF& rect, Gdiplus::ARGB colour1, Gdiplus::ARGB colour2,
                                 Gdiplus::LinearGradientMode mode, Gdiplus::WrapMode wrapMode = Gdiplus::WrapModeTile);
    bool SetLineColors(Gdiplus::ARGB colour1, Gdiplus::ARGB colour2);
    bool SetLinePresetBlend(const Gdiplus::ARGB* colours, const float* positions, int count);
    bool SetLineLinearBlend(float focus, float scale);
    bool SetLineWrapMode(Gdiplus::WrapMode wrapMode);

private:
    Gdiplus::GpLineGradient* Line() const { return static_cast<Gdiplus::GpLineGradient*>(GetNativeObject()); }
};

class GxPathGradientBrush : public GxBrush {
public:
    bool CreatePathGradientFromPath(const GxPath& path);
    bool SetPathGradientCenterColor(Gdiplus::ARGB colour);
    // count: in, the number of colours; out, the number GDI+ took.
    bool SetPathGradientSurroundColorsWithCount(const Gdiplus::ARGB* colours, int* count);
    bool SetPathGradientCenterPoint(const Gdiplus::PointF& point);

private:
    Gdiplus::GpPathGradient* Gradient() const { return static_cast<Gdiplus::GpPathGradient*>(GetNativeObject()); }
};

class GxPen : public GxObject<Gdiplus::GpPen, Gdiplus::DllExports::GdipDeletePen> {
public:
    bool DeletePen() { return DeleteNative(); }
    bool CreatePen1(Gdiplus::ARGB colour, float width, Gdiplus::Unit unit = Gdiplus::UnitWorld);
    bool CreatePen2(const GxBrush& brush, float width, Gdiplus::Unit unit = Gdiplus::UnitWorld);
    bool SetPenWidth(float width);
    float GetPenWidth() const;
    bool SetPenColor(Gdiplus::ARGB colour);
    bool SetPenDashStyle(Gdiplus::DashStyle style);
    bool SetPenLineJoin(Gdiplus::LineJoin join);
};
