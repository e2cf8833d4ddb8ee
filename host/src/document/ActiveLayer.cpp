// ActiveLayer: the layout view's active layer. Kept in memory only; when the remembered layer is
// gone (deleted, or undone away) the first layer of the list takes its place.
#include "../objectmodel/HostImplementations.h"
#include "host/document/IActiveLayer.h"
#include "host/document/ILayerList.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class ActiveLayer final : public CPMUnknown<IActiveLayer> {
public:
    explicit ActiveLayer(IPMUnknown* boss) : CPMUnknown<IActiveLayer>(boss) {}

    UID GetActiveLayerUID() const override {
        InterfacePtr<ILayerList> layers(this, IID_ILAYERLIST);
        if (!layers)
            return kInvalidUID;
        return layers->GetLayerIndex(fLayer) >= 0 ? fLayer : layers->GetNthLayerUID(0);
    }
    ErrorCode SetActiveLayerUID(UID layer) override {
        InterfacePtr<ILayerList> layers(this, IID_ILAYERLIST);
        if (!layers || layers->GetLayerIndex(layer) < 0)
            return kFailure;
        fLayer = layer;
        return kSuccess;
    }

private:
    UID fLayer = kInvalidUID;
};
} // namespace

ImplementationDeclaration MakeActiveLayerImplementation(ImplementationID id) {
    return IMPLEMENTATION(ActiveLayer, id, false);
}
