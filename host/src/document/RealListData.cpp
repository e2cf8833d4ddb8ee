// RealListData: a list of reals.
#include "../objectmodel/HostImplementations.h"
#include "host/document/IRealListData.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class RealListData final : public CPMUnknown<IRealListData> {
public:
    explicit RealListData(IPMUnknown* boss) : CPMUnknown<IRealListData>(boss) {}
    void Set(const std::vector<PMReal>& values) override { fValues = values; }
    const std::vector<PMReal>& GetList() const override { return fValues; }

private:
    std::vector<PMReal> fValues;
};
} // namespace

ImplementationDeclaration MakeRealListDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(RealListData, id, false);
}
