// ConcreteSelectionList: the integrator object's list of concrete-suite objects, which it keeps
// alive for as long as the integrator object lives.
#include "../objectmodel/HostImplementations.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/selection/IConcreteSelectionList.h"

namespace {
class ConcreteSelectionList final : public CPMUnknown<IConcreteSelectionList> {
public:
    explicit ConcreteSelectionList(IPMUnknown* boss) : CPMUnknown<IConcreteSelectionList>(boss) {}

    int32 CountConcreteSelections() const override { return static_cast<int32>(fObjects.size()); }
    IPMUnknown* QueryNthConcreteSelection(int32 n, PMIID iid) const override {
        if (n < 0 || n >= CountConcreteSelections())
            return nullptr;
        return fObjects[static_cast<size_t>(n)]->QueryInterface(iid);
    }
    void SetConcreteSelections(std::vector<InterfacePtr<IPMUnknown>> objects) override {
        fObjects = std::move(objects);
    }

private:
    std::vector<InterfacePtr<IPMUnknown>> fObjects;
};
} // namespace

ImplementationDeclaration MakeConcreteSelectionListImplementation(ImplementationID id) {
    return IMPLEMENTATION(ConcreteSelectionList, id, false);
}
