#include "host/graphics/CHandleShape.h"

#include <array>

#include "../objectmodel/HostImplementations.h"
#include "host/document/IGeometry.h"
#include "host/document/ITransform.h"
#include "host/graphics/GraphicsData.h"
#include "host/graphics/HandleDrawing.h"
#include "host/graphics/IGraphicsPort.h"
#include "host/graphics/IShape.h"
#include "host/graphics/PointSelector.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
constexpr PMReal kDegenerateSize = 1e-8;

IGraphicsPort* PortOf(GraphicsData* graphicsData) {
    return graphicsData ? graphicsData->GetGraphicsPort() : nullptr;
}

// The corners of the bounds mapped to pasteboard coordinates, in order around the rectangle.
std::array<PMPoint, 4> PasteboardCorners(const PMRect& bounds, const PMMatrix& innerToPasteboard) {
    std::array<PMPoint, 4> corners;
    for (int32 i = 0; i < 4; ++i)
        corners[static_cast<size_t>(i)] = innerToPasteboard.TransformPoint(
            HandleDrawing::GetRectPoint(bounds, HandleDrawing::kLeftTop + i));
    return corners;
}
} // namespace

void CHandleShape::Draw(GraphicsData* graphicsData, int32 flags) {
    IGraphicsPort* port = PortOf(graphicsData);
    if (!port || (flags & IShape::kDrawFlagsForOutput))
        return;
    const PMMatrix innerToPasteboard = GetInnerToPasteboard();
    port->gsave();
    DrawPathImmediate(graphicsData, innerToPasteboard);
    DrawHandlesImmediate(graphicsData, innerToPasteboard, flags);
    port->grestore();
}

bool16 CHandleShape::HitTest(GraphicsData*, const PMPoint& point, PointSelector* selector) {
    const PMMatrix innerToPasteboard = GetInnerToPasteboard();
    return HitTestHandlesImmediate(innerToPasteboard, point, selector) ||
           HitTestPathImmediate(innerToPasteboard, point, selector);
}

PMRect CHandleShape::GetPaintedBBox() {
    return GetBBoxImmediate(GetInnerToPasteboard());
}

void CHandleShape::DrawPathImmediate(GraphicsData* graphicsData, const PMMatrix& innerToPasteboard) {
    IGraphicsPort* port = PortOf(graphicsData);
    const std::array<PMPoint, 4> corners = PasteboardCorners(GetInnerBounds(), innerToPasteboard);
    port->newpath();
    port->moveto(corners[0].X(), corners[0].Y());
    for (size_t i = 1; i < corners.size(); ++i)
        port->lineto(corners[i].X(), corners[i].Y());
    port->closepath();
    port->setlinewidth(0);
    port->stroke();
}

void CHandleShape::DrawHandlesImmediate(GraphicsData* graphicsData, const PMMatrix& innerToPasteboard,
                                        int32) {
    IGraphicsPort* port = PortOf(graphicsData);
    const PMRect bounds = GetInnerBounds();
    port->newpath();
    for (int32 i = 0; i < HandleDrawing::kRectPointCount; ++i)
        HandleDrawing::AddHandleSquare(
            port, innerToPasteboard.TransformPoint(HandleDrawing::GetRectPoint(bounds, i)), kHandleSize);
    port->fill();
}

// A point-sized item has no room for handles around it; anything larger gets half a handle on
// each side, where the squares reach beyond the bounds.
PMRect CHandleShape::GetBBoxImmediate(const PMMatrix& innerToView) {
    PMRect bounds = GetInnerBounds();
    if (bounds.Width() >= kDegenerateSize || bounds.Height() >= kDegenerateSize)
        bounds = PMRect(bounds.Left() - kHandleSize / 2.0, bounds.Top() - kHandleSize / 2.0,
                        bounds.Right() + kHandleSize / 2.0, bounds.Bottom() + kHandleSize / 2.0);
    return innerToView.TransformRect(bounds);
}

bool16 CHandleShape::HitTestHandlesImmediate(const PMMatrix& innerToPasteboard, const PMPoint& point,
                                             PointSelector* selector) {
    const PMRect bounds = GetInnerBounds();
    for (int32 i = 0; i < HandleDrawing::kRectPointCount; ++i) {
        if (!HitTestOneHandle(innerToPasteboard.TransformPoint(HandleDrawing::GetRectPoint(bounds, i)),
                              point))
            continue;
        if (selector)
            selector->SelectHandle(GetItemRef(), i);
        return kTrue;
    }
    return kFalse;
}

bool16 CHandleShape::HitTestPathImmediate(const PMMatrix& innerToPasteboard, const PMPoint& point,
                                          PointSelector* selector) {
    const std::array<PMPoint, 4> corners = PasteboardCorners(GetInnerBounds(), innerToPasteboard);
    for (size_t i = 0; i < corners.size(); ++i) {
        if (!HandleDrawing::HitsSegment(corners[i], corners[(i + 1) % corners.size()], kHandleSize / 2.0,
                                        point))
            continue;
        if (selector)
            selector->SelectOutline(GetItemRef());
        return kTrue;
    }
    return kFalse;
}

bool16 CHandleShape::HitTestOneHandle(const PMPoint& handleCenter, const PMPoint& point) {
    return HandleDrawing::HitsHandle(handleCenter, kHandleSize, point);
}

PMRect CHandleShape::GetInnerBounds() const {
    InterfacePtr<IGeometry> geometry(this, IID_IGEOMETRY);
    return geometry ? geometry->GetPathBoundingBox() : PMRect();
}

PMMatrix CHandleShape::GetInnerToPasteboard() const {
    InterfacePtr<ITransform> transform(this, IID_ITRANSFORM);
    return transform ? transform->InnerToPasteboardMatrix() : PMMatrix();
}

UIDRef CHandleShape::GetItemRef() const {
    return UIDRef(GetBoss()->GetDataBase(), GetBoss()->GetUID());
}

namespace {
// The handles of spline and group items: CHandleShape as it is.
class GraphicFrameHandleShape final : public CHandleShape {
public:
    explicit GraphicFrameHandleShape(IPMUnknown* boss) : CHandleShape(boss) {}
};
} // namespace

ImplementationDeclaration MakeGraphicFrameHandleShapeImplementation(ImplementationID id) {
    return IMPLEMENTATION(GraphicFrameHandleShape, id, false);
}
