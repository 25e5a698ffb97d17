#include "graphics/GxPath.h"

#include "graphics/GxCalls.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

bool GxPath::CreatePath(FillMode fillMode) {
    GpPath* path = nullptr;
    return GxAdopt(*this, GdipCreatePath(fillMode, &path), path);
}

bool GxPath::ClonePath(GxPath& clone) const {
    GpPath* copy = nullptr;
    return GxAdopt(clone, GdipClonePath(GetNativeObject(), &copy), copy);
}

bool GxPath::ResetPath() { return GxStore(GdipResetPath(GetNativeObject())); }

bool GxPath::SetPathFillMode(FillMode fillMode) { return GxStore(GdipSetPathFillMode(GetNativeObject(), fillMode)); }

bool GxPath::StartPathFigure() { return GxStore(GdipStartPathFigure(GetNativeObject())); }

bool GxPath::ClosePathFigure() { return GxStore(GdipClosePathFigure(GetNativeObject())); }

bool GxPath::ClosePathFigures() { return GxStore(GdipClosePathFigures(GetNativeObject())); }

bool GxPath::AddPathLine(float x1, float y1, float x2, float y2) {
    return GxStore(GdipAddPathLine(GetNativeObject(), x1, y1, x2, y2));
}

bool GxPath::AddPathLineI(int x1, int y1, int x2, int y2) {
    return GxStore(GdipAddPathLineI(GetNativeObject(), x1, y1, x2, y2));
}

bool GxPath::AddPathArc(float x, float y, float width, float height, float startAngle, float sweepAngle) {
    return GxStore(GdipAddPathArc(GetNativeObject(), x, y, width, height, startAngle, sweepAngle));
}

bool GxPath::AddPathBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) {
    return GxStore(GdipAddPathBezier(GetNativeObject(), x1, y1, x2, y2, x3, y3, x4, y4));
}

bool GxPath::AddPathRectangle(float x, float y, float width, float height) {
    return GxStore(GdipAddPathRectangle(GetNativeObject(), x, y, width, height));
}

bool GxPath::AddPathRectangleI(int x, int y, int width, int height) {
    return GxStore(GdipAddPathRectangleI(GetNativeObject(), x, y, width, height));
}

bool GxPath::AddPathEllipse(float x, float y, float width, float height) {
    return GxStore(GdipAddPathEllipse(GetNativeObject(), x, y, width, height));
}

bool GxPath::AddPathPolygon(const PointF* points, int count) {
    return GxStore(GdipAddPathPolygon(GetNativeObject(), points, count));
}

int GxPath::GetPointCount() const { return GxGetValue(GdipGetPointCount, GetNativeObject()); }

namespace {

// One element for each point of the path, as the call fills them in; none when it fails.
template <class Element, class Fill>
std::vector<Element> PerPoint(const GxPath& path, Fill fill) {
    int count = path.GetPointCount();
    if (count <= 0) return {};
    std::vector<Element> elements(static_cast<size_t>(count));
    if (!GxStore(fill(path.GetNativeObject(), elements.data(), count))) return {};
    return elements;
}

}  // namespace

std::vector<PointF> GxPath::GetPathPoints() const { return PerPoint<PointF>(*this, GdipGetPathPoints); }

std::vector<BYTE> GxPath::GetPathTypes() const { return PerPoint<BYTE>(*this, GdipGetPathTypes); }

bool GxPath::GetPathWorldBounds(RectF* bounds) const {
    return GxStore(GdipGetPathWorldBounds(GetNativeObject(), bounds, nullptr, nullptr));
}
