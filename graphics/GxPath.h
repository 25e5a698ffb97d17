#pragma once
// Owning wrapper of a GDI+ path (GpPath).
#include "graphics/GxCore.h"

#include <vector>

class GxPath : public GxObject<Gdiplus::GpPath, Gdiplus::DllExports::GdipDeletePath> {
public:
    bool DeletePath() { return DeleteNative(); }
    bool CreatePath(Gdiplus::FillMode fillMode = Gdiplus::FillModeAlternate);
    bool ClonePath(GxPath& clone) const;
    bool ResetPath();
    bool SetPathFillMode(Gdiplus::FillMode fillMode);

    bool StartPathFigure();
    bool ClosePathFigure();
    bool ClosePathFigures();
    bool AddPathLine(float x1, float y1, float x2, float y2);
    bool AddPathLineI(int x1, int y1, int x2, int y2);
    bool AddPathArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool AddPathBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
    bool AddPathRectangle(float x, float y, float width, float height);
    bool AddPathRectangleI(int x, int y, int width, int height);
    bool AddPathEllipse(float x, float y, float width, float height);
    bool AddPathPolygon(const Gdiplus::PointF* points, int count);

    // Getters: the value GDI+ reports, or 0 / empty on failure.
    int GetPointCount() const;
    std::vector<Gdiplus::PointF> GetPathPoints() const;
    std::vector<BYTE> GetPathTypes() const;
    bool GetPathWorldBounds(Gdiplus::RectF* bounds) const;
};
