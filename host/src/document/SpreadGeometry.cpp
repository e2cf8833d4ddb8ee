// SpreadGeometry: the IGeometry of a spread: the union of its pages, inner coordinates.
#include "../objectmodel/HostImplementations.h"
#include "host/document/IGeometry.h"
#include "host/document/ISpread.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class SpreadGeometry final : public CPMUnknown<IGeometry> {
public:
    explicit SpreadGeometry(IPMUnknown* boss) : CPMUnknown<IGeometry>(boss) {}

    PMRect GetPathBoundingBox() const override {
        InterfacePtr<ISpread> spread(this, IID_ISPREAD);
        return spread ? spread->GetPagesBounds() : PMRect();
    }
    ErrorCode SetPathBoundingBox(const PMRect&) override { return kFailure; }
    PMRect GetStrokeBoundingBox() const override { return GetPathBoundingBox(); }
};
} // namespace

ImplementationDeclaration MakeSpreadGeometryImplementation(ImplementationID id) {
    return IMPLEMENTATION(SpreadGeometry, id, false);
}
