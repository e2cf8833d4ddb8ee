// GroupGeometry: the IGeometry of a group: the union of its children's bounds in the group's
// inner coordinates. A group's bounds follow its children and cannot be set.
#include "../objectmodel/HostImplementations.h"
#include "Query.h"
#include "host/document/IGeometry.h"
#include "host/document/IHierarchy.h"
#include "host/document/ITransform.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"

namespace {
class GroupGeometry final : public CPMUnknown<IGeometry> {
public:
    explicit GroupGeometry(IPMUnknown* boss) : CPMUnknown<IGeometry>(boss) {}

    PMRect GetPathBoundingBox() const override { return Union(false); }
    ErrorCode SetPathBoundingBox(const PMRect&) override { return kFailure; }
    PMRect GetStrokeBoundingBox() const override { return Union(true); }

private:
    PMRect Union(bool stroke) const {
        InterfacePtr<IHierarchy> hierarchy(this, IID_IHIERARCHY);
        PMRect result(0, 0, -1, -1); // Union ignores a negative box
        if (!hierarchy)
            return PMRect();
        IDataBase* db = GetBoss()->GetDataBase();
        for (int32 i = 0; i < hierarchy->GetChildCount(); ++i) {
            const UID child = hierarchy->GetChildUID(i);
            InterfacePtr<IGeometry> geometry = Query::Get<IGeometry>(db, child);
            InterfacePtr<ITransform> transform = Query::Get<ITransform>(db, child);
            if (!geometry || !transform)
                continue;
            const PMRect inner = stroke ? geometry->GetStrokeBoundingBox() : geometry->GetPathBoundingBox();
            result = result.Union(transform->GetInnerToParentMatrix().TransformRect(inner));
        }
        return result.Width() < 0 ? PMRect() : result;
    }
};
} // namespace

ImplementationDeclaration MakeGroupGeometryImplementation(ImplementationID id) {
    return IMPLEMENTATION(GroupGeometry, id, false);
}
