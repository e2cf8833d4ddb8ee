#include "host/graphics/CGraphicFrameShape.h"

#include <cmath>

#include "../objectmodel/HostImplementations.h"
#include "PathDrawing.h"
#include "host/database/IDataBase.h"
#include "host/document/IDocumentLayer.h"
#include "host/document/IGraphicAttributeUtils.h"
#include "host/document/IHierarchy.h"
#include "host/document/IPathGeometry.h"
#include "host/document/ISwatchUtils.h"
#include "host/document/ITransform.h"
#include "host/graphics/GraphicsData.h"
#include "host/graphics/IAdornmentShape.h"
#include "host/graphics/IGraphicsPort.h"
#include "host/graphics/IPageItemAdornmentList.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/ObjectModel.h"

namespace {
// The RGB colour of a swatch attribute; false for None or no swatch, which draw nothing.
bool SwatchColor(const IPMUnknown* item, ClassID attributeClass, IDataBase* db, RGBColor* color) {
    const GraphicAttribute attribute = Utils<IGraphicAttributeUtils>()->GetAttribute(item, attributeClass);
    return attribute.swatch != kInvalidUID &&
           Utils<ISwatchUtils>()->GetRGBColor(UIDRef(db, attribute.swatch), color);
}

ClassID ClassAttribute(const IPMUnknown* item, ClassID attributeClass) {
    return Utils<IGraphicAttributeUtils>()->GetAttribute(item, attributeClass).classValue;
}

PMReal RealAttribute(const IPMUnknown* item, ClassID attributeClass) {
    return Utils<IGraphicAttributeUtils>()->GetAttribute(item, attributeClass).real;
}

// Rounded corners apply to closed paths whose points are all corners (rectangles, polygons).
bool RoundsCorners(const IPathGeometry* path, int32 index, ClassID effect, PMReal size) {
    if (effect != kRoundedCornerBoss || size <= 0 || path->IsPathOpen(index) || path->GetNumPoints(index) < 3)
        return false;
    for (const PMPathPoint& point : path->GetPath(index))
        if (!point.IsCorner())
            return false;
    return true;
}

void AddAllPaths(IGraphicsPort* port, const IPMUnknown* item, const IPathGeometry* path) {
    const ClassID effect = ClassAttribute(item, kGraphicStyleCornerEffectAttrBoss);
    const PMReal size = RealAttribute(item, kGraphicStyleCornerSizeAttrBoss);
    for (int32 i = 0; i < path->GetNumPaths(); ++i) {
        if (RoundsCorners(path, i, effect, size))
            PathDrawing::AddRoundedPath(port, path->GetPath(i), size);
        else
            PathDrawing::AddPath(port, path->GetPath(i), !path->IsPathOpen(i));
    }
}

// The direction in which an open path leaves its end point, from the neighbouring control point.
PMReal LeavingDirection(const PMPoint& end, const PMPoint& neighbour) {
    return std::atan2(end.Y() - neighbour.Y(), end.X() - neighbour.X());
}

void DrawArrowheads(IGraphicsPort* port, const IPMUnknown* item, const IPathGeometry* path, PMReal weight) {
    const ClassID start = ClassAttribute(item, kGraphicStyleLineStartAttrBoss);
    const ClassID end = ClassAttribute(item, kGraphicStyleLineEndAttrBoss);
    for (int32 i = 0; i < path->GetNumPaths(); ++i) {
        const PMPathPointList& points = path->GetPath(i);
        if (!path->IsPathOpen(i) || points.size() < 2)
            continue;
        const PMPathPoint& first = points.front();
        const PMPathPoint& last = points.back();
        const PMPoint afterFirst =
            first.GetRightDirPoint() != first.GetAnchor() ? first.GetRightDirPoint() : points[1].GetAnchor();
        const PMPoint beforeLast = last.GetLeftDirPoint() != last.GetAnchor()
                                       ? last.GetLeftDirPoint()
                                       : points[points.size() - 2].GetAnchor();
        if (start != kInvalidClass)
            PathDrawing::DrawArrowhead(port, start, first.GetAnchor(),
                                       LeavingDirection(first.GetAnchor(), afterFirst), weight);
        if (end != kInvalidClass)
            PathDrawing::DrawArrowhead(port, end, last.GetAnchor(),
                                       LeavingDirection(last.GetAnchor(), beforeLast), weight);
    }
}
} // namespace

void CGraphicFrameShape::Draw(GraphicsData* graphicsData, int32 flags) {
    IGraphicsPort* port = graphicsData ? graphicsData->GetGraphicsPort() : nullptr;
    InterfacePtr<ITransform> transform(this, IID_ITRANSFORM);
    if (!port || !transform)
        return;
    port->gsave();
    port->concat(transform->GetInnerToParentMatrix());
    DrawAdornments(graphicsData, IAdornmentShape::kBeforeShape, flags);
    DrawShape(graphicsData, flags);
    DrawContent(graphicsData, flags);
    DrawAdornments(graphicsData, IAdornmentShape::kAfterShape, flags);
    port->grestore();
}

void CGraphicFrameShape::DrawShape(GraphicsData* graphicsData, int32) {
    IGraphicsPort* port = graphicsData->GetGraphicsPort();
    InterfacePtr<IPathGeometry> path(this, IID_IPATHGEOMETRY);
    if (!path || path->GetNumPaths() == 0)
        return;
    IDataBase* db = GetBoss()->GetDataBase();
    RGBColor color;
    if (SwatchColor(this, kGraphicStyleFillRenderingAttrBoss, db, &color)) {
        port->newpath();
        AddAllPaths(port, this, path);
        port->setrgbcolor(color.red, color.green, color.blue);
        port->fill();
    }
    const PMReal weight = RealAttribute(this, kGraphicStyleStrokeWeightAttrBoss);
    if (weight <= 0 || !SwatchColor(this, kGraphicStyleStrokeRenderingAttrBoss, db, &color))
        return;
    port->gsave();
    port->newpath();
    AddAllPaths(port, this, path);
    port->setrgbcolor(color.red, color.green, color.blue);
    port->setlinewidth(weight);
    if (ClassAttribute(this, kGraphicStyleStrokeTypeAttrBoss) == kDashedPathStrokerBoss)
        port->setdash(PathDrawing::DashPattern(weight), 0);
    port->stroke();
    port->grestore();
    port->gsave();
    port->setrgbcolor(color.red, color.green, color.blue);
    port->setlinewidth(weight);
    DrawArrowheads(port, this, path, weight);
    port->grestore();
}

// A frame's content (the text of a text frame) hangs below it in the hierarchy and draws itself.
void CGraphicFrameShape::DrawContent(GraphicsData* graphicsData, int32 flags) {
    InterfacePtr<IHierarchy> hierarchy(this, IID_IHIERARCHY);
    IDataBase* db = GetBoss()->GetDataBase();
    for (int32 i = 0; hierarchy && db && i < hierarchy->GetChildCount(); ++i)
        if (InterfacePtr<IShape> content{
                ObjectModel::CheckedCast<IShape>(db->Instantiate(hierarchy->GetChildUID(i), IID_ISHAPE))})
            content->Draw(graphicsData, flags);
}

void CGraphicFrameShape::DrawAdornments(GraphicsData* graphicsData, int32 drawOrder, int32 flags) {
    InterfacePtr<IPageItemAdornmentList> adornments(this, IID_IPAGEITEMADORNMENTLIST);
    if (!adornments)
        return;
    for (ClassID adornmentClass : adornments->GetAdornments()) {
        InterfacePtr<IAdornmentShape> adornment(CreateObject2<IAdornmentShape>(adornmentClass));
        if (adornment && (adornment->GetDrawOrderBits() & drawOrder))
            adornment->DrawAdornment(this, graphicsData, drawOrder, flags);
    }
}

namespace {
// The shape of spline items: CGraphicFrameShape as it is.
class GraphicFrameShape final : public CGraphicFrameShape {
public:
    explicit GraphicFrameShape(IPMUnknown* boss) : CGraphicFrameShape(boss) {}
};
} // namespace

ImplementationDeclaration MakeGraphicFrameShapeImplementation(ImplementationID id) {
    return IMPLEMENTATION(GraphicFrameShape, id, false);
}
