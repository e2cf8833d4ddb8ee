// PointData: holds one point, the data of commands that act at a position.
#include "../objectmodel/HostImplementations.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/IPointData.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class PointData final : public CPMUnknown<IPointData> {
public:
    explicit PointData(IPMUnknown* boss) : CPMUnknown<IPointData>(boss) {}
    void Set(const PMPoint& point) override { fPoint = point; }
    PMPoint GetPoint() const override { return fPoint; }

private:
    PMPoint fPoint;
};
} // namespace

ImplementationDeclaration MakePointDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(PointData, id, false);
}
