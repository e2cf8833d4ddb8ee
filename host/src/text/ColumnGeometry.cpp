// ColumnGeometry: a column's bounds come from its multi-column frame; they cannot be set.
#include "../document/Query.h"
#include "TextImplementations.h"
#include "host/document/IGeometry.h"
#include "host/document/IHierarchy.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/IMultiColumnTextFrame.h"

namespace {
class ColumnGeometry final : public CPMUnknown<IGeometry> {
public:
    explicit ColumnGeometry(IPMUnknown* boss) : CPMUnknown<IGeometry>(boss) {}

    PMRect GetPathBoundingBox() const override {
        InterfacePtr<IHierarchy> hierarchy(this, IID_IHIERARCHY);
        InterfacePtr<IMultiColumnTextFrame> frame = Query::Get<IMultiColumnTextFrame>(
            GetBoss()->GetDataBase(), hierarchy ? hierarchy->GetParentUID() : kInvalidUID);
        InterfacePtr<IHierarchy> parent(frame, IID_IHIERARCHY);
        return parent ? frame->GetColumnBounds(parent->GetChildIndex(GetBoss()->GetUID())) : PMRect();
    }
    ErrorCode SetPathBoundingBox(const PMRect&) override { return kFailure; }
    PMRect GetStrokeBoundingBox() const override { return GetPathBoundingBox(); }
};
} // namespace

ImplementationDeclaration MakeColumnGeometryImplementation(ImplementationID id) {
    return IMPLEMENTATION(ColumnGeometry, id, false);
}
