#include "host/graphics/PathHandleShape.h"

#include "../objectmodel/HostImplementations.h"
#include "PathDrawing.h"
#include "host/document/IPathGeometry.h"
#include "host/graphics/GraphicsData.h"
#include "host/graphics/HandleDrawing.h"
#include "host/graphics/IGraphicsPort.h"
#include "host/graphics/PointSelector.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
constexpr int32 kCurveSteps = 16; // straight pieces per curve segment when hit testing an outline

PMPathPointList ToPasteboard(PMPathPointList path, const PMMatrix& innerToPasteboard) {
    for (PMPathPoint& point : path)
        point.Transform(innerToPasteboard);
    return path;
}

PMPoint BezierPoint(const PMPoint& p0, const PMPoint& p1, const PMPoint& p2, const PMPoint& p3, PMReal t) {
    const PMReal u = 1 - t;
    const PMReal a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
    return {a * p0.X() + b * p1.X() + c * p2.X() + d * p3.X(),
            a * p0.Y() + b * p1.Y() + c * p2.Y() + d * p3.Y()};
}

bool16 HitsCurveSegment(const PMPathPoint& from, const PMPathPoint& to, PMReal tolerance,
                        const PMPoint& point) {
    PMPoint previous = from.GetAnchor();
    for (int32 step = 1; step <= kCurveSteps; ++step) {
        const PMPoint next = BezierPoint(from.GetAnchor(), from.GetRightDirPoint(), to.GetLeftDirPoint(),
                                         to.GetAnchor(), static_cast<PMReal>(step) / kCurveSteps);
        if (HandleDrawing::HitsSegment(previous, next, tolerance, point))
            return kTrue;
        previous = next;
    }
    return kFalse;
}

bool16 HitsPath(const PMPathPointList& path, bool closed, PMReal tolerance, const PMPoint& point) {
    const size_t segments = closed ? path.size() : path.size() - 1;
    for (size_t i = 0; i < segments && path.size() > 1; ++i)
        if (HitsCurveSegment(path[i], path[(i + 1) % path.size()], tolerance, point))
            return kTrue;
    return kFalse;
}
} // namespace

void PathHandleShape::DrawPathImmediate(GraphicsData* graphicsData, const PMMatrix& innerToPasteboard) {
    InterfacePtr<IPathGeometry> geometry(this, IID_IPATHGEOMETRY);
    IGraphicsPort* port = graphicsData->GetGraphicsPort();
    if (!geometry)
        return;
    port->newpath();
    for (int32 i = 0; i < geometry->GetNumPaths(); ++i)
        PathDrawing::AddPath(port, ToPasteboard(geometry->GetPath(i), innerToPasteboard),
                             !geometry->IsPathOpen(i));
    port->setlinewidth(0);
    port->stroke();
}

void PathHandleShape::DrawHandlesImmediate(GraphicsData* graphicsData, const PMMatrix& innerToPasteboard,
                                           int32) {
    InterfacePtr<IPathGeometry> geometry(this, IID_IPATHGEOMETRY);
    IGraphicsPort* port = graphicsData->GetGraphicsPort();
    if (!geometry)
        return;
    port->newpath();
    for (int32 i = 0; i < geometry->GetNumPaths(); ++i)
        for (const PMPathPoint& point : geometry->GetPath(i))
            HandleDrawing::AddHandleSquare(port, innerToPasteboard.TransformPoint(point.GetAnchor()),
                                           kHandleSize);
    port->fill();
}

bool16 PathHandleShape::HitTestHandlesImmediate(const PMMatrix& innerToPasteboard, const PMPoint& point,
                                                PointSelector* selector) {
    InterfacePtr<IPathGeometry> geometry(this, IID_IPATHGEOMETRY);
    for (int32 path = 0; geometry && path < geometry->GetNumPaths(); ++path) {
        for (int32 n = 0; n < geometry->GetNumPoints(path); ++n) {
            const PMPoint anchor =
                innerToPasteboard.TransformPoint(geometry->GetPathPoint(path, n).GetAnchor());
            if (!HitTestOneHandle(anchor, point))
                continue;
            if (selector)
                selector->SelectPathPoint(GetItemRef(), path, n);
            return kTrue;
        }
    }
    return kFalse;
}

bool16 PathHandleShape::HitTestPathImmediate(const PMMatrix& innerToPasteboard, const PMPoint& point,
                                             PointSelector* selector) {
    InterfacePtr<IPathGeometry> geometry(this, IID_IPATHGEOMETRY);
    for (int32 i = 0; geometry && i < geometry->GetNumPaths(); ++i) {
        if (!HitsPath(ToPasteboard(geometry->GetPath(i), innerToPasteboard), !geometry->IsPathOpen(i),
                      kHandleSize / 2.0, point))
            continue;
        if (selector)
            selector->SelectOutline(GetItemRef());
        return kTrue;
    }
    return kFalse;
}

namespace {
class SplinePathHandleShape final : public PathHandleShape {
public:
    explicit SplinePathHandleShape(IPMUnknown* boss) : PathHandleShape(boss) {}
};
} // namespace

ImplementationDeclaration MakePathHandleShapeImplementation(ImplementationID id) {
    return IMPLEMENTATION(SplinePathHandleShape, id, false);
}
