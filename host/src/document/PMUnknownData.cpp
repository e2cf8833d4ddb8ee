// PMUnknownData: a counted reference to another object.
#include "../objectmodel/HostImplementations.h"
#include "host/document/IPMUnknownData.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class PMUnknownData final : public CPMUnknown<IPMUnknownData> {
public:
    explicit PMUnknownData(IPMUnknown* boss) : CPMUnknown<IPMUnknownData>(boss) {}
    ~PMUnknownData() override { SetPMUnknown(nullptr); }
    void SetPMUnknown(IPMUnknown* object) override {
        if (object)
            object->AddRef();
        if (fObject)
            fObject->Release();
        fObject = object;
    }
    IPMUnknown* GetPMUnknown() const override { return fObject; }

private:
    IPMUnknown* fObject = nullptr;
};
} // namespace

ImplementationDeclaration MakePMUnknownDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(PMUnknownData, id, false);
}
