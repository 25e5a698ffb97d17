#pragma once
// Owning wrapper of a GDI+ region (GpRegion).
#include "graphics/GxCore.h"

class GxGraphics;
class GxPath;

class GxRegion : public GxObject<Gdiplus::GpRegion, Gdiplus::DllExports::GdipDeleteRegion> {
public:
    bool DeleteRegion() { return DeleteNative(); }
    // An infinite region.
    bool CreateRegion();
    bool CreateRegionRect(const Gdiplus::RectF& rect);
    bool CreateRegionRectI(const Gdiplus::Rect& rect);
    bool CreateRegionPath(const GxPath& path);
    // A copy of a GDI region; the caller keeps its HRGN.
    bool CreateRegionHrgn(HRGN region);
    bool CloneRegion(GxRegion& clone) const;
    bool SetInfinite();
    bool SetEmpty();
    bool CombineRegionRect(const Gdiplus::RectF& rect, Gdiplus::CombineMode mode);
    bool CombineRegionPath(const GxPath& path, Gdiplus::CombineMode mode);
    bool CombineRegionRegion(const GxRegion& other, Gdiplus::CombineMode mode);
    bool TranslateRegion(float dx, float dy);

    bool GetRegionBounds(const GxGraphics& graphics, Gdiplus::RectF* bounds) const;
    // A new GDI region of the same shape; the caller deletes it. Null on failure.
    HRGN GetRegionHRgn(const GxGraphics& graphics) const;
    // Getters: the value GDI+ reports, or false on failure.
    bool IsEmptyRegion(const GxGraphics& graphics) const;
    bool IsInfiniteRegion(const GxGraphics& graphics) const;
    bool IsVisibleRegionPoint(float x, float y, const GxGraphics* graphics = nullptr) const;
};
