#include "graphics/GxRegion.h"

#include "graphics/GxCalls.h"
#include "graphics/GxGraphics.h"
#include "graphics/GxPath.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

bool GxRegion::CreateRegion() {
    GpRegion* region = nullptr;
    return GxAdopt(*this, GdipCreateRegion(&region), region);
}

bool GxRegion::CreateRegionRect(const RectF& rect) {
    GpRegion* region = nullptr;
    return GxAdopt(*this, GdipCreateRegionRect(&rect, &region), region);
}

bool GxRegion::CreateRegionRectI(const Rect& rect) {
    GpRegion* region = nullptr;
    return GxAdopt(*this, GdipCreateRegionRectI(&rect, &region), region);
}

bool GxRegion::CreateRegionPath(const GxPath& path) {
    GpRegion* region = nullptr;
    return GxAdopt(*this, GdipCreateRegionPath(path.GetNativeObject(), &region), region);
}

bool GxRegion::CreateRegionHrgn(HRGN source) {
    GpRegion* region = nullptr;
    return GxAdopt(*this, GdipCreateRegionHrgn(source, &region), region);
}

bool GxRegion::CloneRegion(GxRegion& clone) const {
    GpRegion* copy = nullptr;
    return GxAdopt(clone, GdipCloneRegion(GetNativeObject(), &copy), copy);
}

bool GxRegion::SetInfinite() { return GxStore(GdipSetInfinite(GetNativeObject())); }

bool GxRegion::SetEmpty() { return GxStore(GdipSetEmpty(GetNativeObject())); }

bool GxRegion::CombineRegionRect(const RectF& rect, CombineMode mode) {
    return GxStore(GdipCombineRegionRect(GetNativeObject(), &rect, mode));
}

bool GxRegion::CombineRegionPath(const GxPath& path, CombineMode mode) {
    return GxStore(GdipCombineRegionPath(GetNativeObject(), path.GetNativeObject(), mode));
}

bool GxRegion::CombineRegionRegion(const GxRegion& other, CombineMode mode) {
    return GxStore(GdipCombineRegionRegion(GetNativeObject(), other.GetNativeObject(), mode));
}

bool GxRegion::TranslateRegion(float dx, float dy) { return GxStore(GdipTranslateRegion(GetNativeObject(), dx, dy)); }

bool GxRegion::GetRegionBounds(const GxGraphics& graphics, RectF* bounds) const {
    return GxStore(GdipGetRegionBounds(GetNativeObject(), graphics.GetNativeObject(), bounds));
}

HRGN GxRegion::GetRegionHRgn(const GxGraphics& graphics) const {
    HRGN result = nullptr;
    if (!GxStore(GdipGetRegionHRgn(GetNativeObject(), graphics.GetNativeObject(), &result))) return nullptr;
    return result;
}

bool GxRegion::IsEmptyRegion(const GxGraphics& graphics) const {
    BOOL empty = FALSE;
    if (!GxStore(GdipIsEmptyRegion(GetNativeObject(), graphics.GetNativeObject(), &empty))) return false;
    return empty != FALSE;
}

bool GxRegion::IsInfiniteRegion(const GxGraphics& graphics) const {
    BOOL infinite = FALSE;
    if (!GxStore(GdipIsInfiniteRegion(GetNativeObject(), graphics.GetNativeObject(), &infinite))) return false;
    return infinite != FALSE;
}

bool GxRegion::IsVisibleRegionPoint(float x, float y, const GxGraphics* graphics) const {
    BOOL visible = FALSE;
    if (!GxStore(GdipIsVisibleRegionPoint(GetNativeObject(), x, y, graphics ? graphics->GetNativeObject() : nullptr,
                                          &visible)))
        return false;
    return visible != FALSE;
}
