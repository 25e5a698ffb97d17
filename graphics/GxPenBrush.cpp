#include "graphics/GxPenBrush.h"

#include "graphics/GxCalls.h"
#include "graphics/GxPath.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

int GxBrush::GetBrushType() const {
    BrushType type = BrushTypeSolidColor;
    if (!GxStore(GdipGetBrushType(GetNativeObject(), &type))) return -1;
    return static_cast<int>(type);
}

bool GxSolidBrush::CreateSolidFill(ARGB colour) {
    GpSolidFill* brush = nullptr;
    return GxAdopt(*this, GdipCreateSolidFill(colour, &brush), brush);
}

bool GxSolidBrush::SetSolidFillColor(ARGB colour) { return GxStore(GdipSetSolidFillColor(Fill(), colour)); }

ARGB GxSolidBrush::GetSolidFillColor() const { return GxGetValue(GdipGetSolidFillColor, Fill()); }

bool GxLinearGradientBrush::CreateLineBrush(const PointF& point1, const PointF& point2, ARGB colour1, ARGB colour2,
                                            WrapMode wrapMode) {
    GpLineGradient* brush = nullptr;
    return GxAdopt(*this, GdipCreateLineBrush(&point1, &point2, colour1, colour2, wrapMode, &brush), brush);
}

bool GxLinearGradientBrush::CreateLineBrushFromRect(const RectF& rect, ARGB colour1, ARGB colour2,
                                                    LinearGradientMode mode, WrapMode wrapMode) {
    GpLineGradient* brush = nullptr;
    return GxAdopt(*this, GdipCreateLineBrushFromRect(&rect, colour1, colour2, mode, wrapMode, &brush), brush);
}

bool GxLinearGradientBrush::SetLineColors(ARGB colour1, ARGB colour2) {
    return GxStore(GdipSetLineColors(Line(), colour1, colour2));
}

bool GxLinearGradientBrush::SetLinePresetBlend(const ARGB* colours, const float* positions, int count) {
    return GxStore(GdipSetLinePresetBlend(Line(), colours, positions, count));
}

bool GxLinearGradientBrush::SetLineLinearBlend(float focus, float scale) {
    return GxStore(GdipSetLineLinearBlend(Line(), focus, scale));
}

bool GxLinearGradientBrush::SetLineWrapMode(WrapMode wrapMode) {
    return GxStore(GdipSetLineWrapMode(Line(), wrapMode));
}

bool GxPathGradientBrush::CreatePathGradientFromPath(const GxPath& path) {
    GpPathGradient* brush = nullptr;
    return GxAdopt(*this, GdipCreatePathGradientFromPath(path.GetNativeObject(), &brush), brush);
}

bool GxPathGradientBrush::SetPathGradientCenterColor(ARGB colour) {
    return GxStore(GdipSetPathGradientCenterColor(Gradient(), colour));
}

bool GxPathGradientBrush::SetPathGradientSurroundColorsWithCount(const ARGB* colours, int* count) {
    return GxStore(GdipSetPathGradientSurroundColorsWithCount(Gradient(), colours, count));
}

bool GxPathGradientBrush::SetPathGradientCenterPoint(const PointF& point) {
    return GxStore(GdipSetPathGradientCenterPoint(Gradient(), &point));
}

bool GxPen::CreatePen1(ARGB colour, float width, Unit unit) {
    GpPen* pen = nullptr;
    return GxAdopt(*this, GdipCreatePen1(colour, width, unit, &pen), pen);
}

bool GxPen::CreatePen2(const GxBrush& brush, float width, Unit unit) {
    GpPen* pen = nullptr;
    return GxAdopt(*this, GdipCreatePen2(brush.GetNativeObject(), width, unit, &pen), pen);
}

bool GxPen::SetPenWidth(float width) { return GxStore(GdipSetPenWidth(GetNativeObject(), width)); }

float GxPen::GetPenWidth() const { return GxGetValue(GdipGetPenWidth, GetNativeObject()); }

bool GxPen::SetPenColor(ARGB colour) { return GxStore(GdipSetPenColor(GetNativeObject(), colour)); }

bool GxPen::SetPenDashStyle(DashStyle style) { return GxStore(GdipSetPenDashStyle(GetNativeObject(), style)); }

bool GxPen::SetPenLineJoin(LineJoin join) { return GxStore(GdipSetPenLineJoin(GetNativeObject(), join)); }
