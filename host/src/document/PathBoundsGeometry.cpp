// PathBoundsGeometry: the IGeometry of a spline item: the bounds of its paths. Setting new bounds
// maps the paths from the old box onto the new one.
#include "../objectmodel/HostImplementations.h"
#include "host/document/IGeometry.h"
#include "host/document/IGraphicAttributeUtils.h"
#include "host/document/IPathGeometry.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/ObjectModel.h"

namespace {
class PathBoundsGeometry final : public CPMUnknown<IGeometry> {
public:
    explicit PathBoundsGeometry(IPMUnknown* boss) : CPMUnknown<IGeometry>(boss) {}

    PMRect GetPathBoundingBox() const override {
        InterfacePtr<IPathGeometry> path(this, IID_IPATHGEOMETRY);
        return path ? path->GetPathBoundingBox() : PMRect();
    }

    ErrorCode SetPathBoundingBox(const PMRect& bounds) override {
        InterfacePtr<IPathGeometry> path(this, IID_IPATHGEOMETRY);
        const PMRect old = GetPathBoundingBox();
        if (!path || bounds.IsEmpty())
            return kFailure;
        // A degenerate side (a horizontal or vertical line) keeps its extent and only moves.
        const PMReal sx = old.Width() > kGeometryTolerance ? bounds.Width() / old.Width() : 1.0;
        const PMReal sy = old.Height() > kGeometryTolerance ? bounds.Height() / old.Height() : 1.0;
        PMMatrix map(1, 0, 0, 1, -old.Left(), -old.Top());
        map.Concat(PMMatrix(sx, 0, 0, sy, bounds.Left(), bounds.Top()));
        path->TransformPaths(map);
        return kSuccess;
    }

    PMRect GetStrokeBoundingBox() const override {
        PMRect box = GetPathBoundingBox();
        const PMReal half =
            Utils<IGraphicAttributeUtils>()->GetAttribute(this, kGraphicStyleStrokeWeightAttrBoss).real / 2;
        return PMRect(box.Left() - half, box.Top() - half, box.Right() + half, box.Bottom() + half);
    }
};
} // namespace

ImplementationDeclaration MakePathBoundsGeometryImplementation(ImplementationID id) {
    return IMPLEMENTATION(PathBoundsGeometry, id, false);
}
