// LayerPropertiesCmdData: the properties and position of a layer command.
#include "../objectmodel/HostImplementations.h"
#include "host/document/ILayerPropertiesCmdData.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class LayerPropertiesCmdData final : public CPMUnknown<ILayerPropertiesCmdData> {
public:
    explicit LayerPropertiesCmdData(IPMUnknown* boss) : CPMUnknown<ILayerPropertiesCmdData>(boss) {}
    void Set(const LayerProperties& properties) override { fProperties = properties; }
    const LayerProperties& Get() const override { return fProperties; }
    void SetPosition(int32 position) override { fPosition = position; }
    int32 GetPosition() const override { return fPosition; }

private:
    LayerProperties fProperties;
    int32 fPosition = -1;
};
} // namespace

ImplementationDeclaration MakeLayerPropertiesCmdDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(LayerPropertiesCmdData, id, false);
}
