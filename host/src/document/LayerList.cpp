// LayerList: the document's stored list of document layers.
#include "../objectmodel/HostImplementations.h"
#include "Query.h"
#include "StoredUIDList.h"
#include "host/document/IDocumentLayer.h"
#include "host/document/ILayerList.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"

namespace {
class LayerList final : public CPMUnknown<ILayerList> {
public:
    explicit LayerList(IPMUnknown* boss) : CPMUnknown<ILayerList>(boss) {}
    int32 GetCount() const override { return fLayers.Count(); }
    UID GetNthLayerUID(int32 index) const override { return fLayers.At(index); }
    IDocumentLayer* QueryLayer(int32 index) const override {
        return Query::Get<IDocumentLayer>(GetBoss()->GetDataBase(), fLayers.At(index)).forget();
    }
    int32 GetLayerIndex(UID layer) const override { return fLayers.IndexOf(layer); }
    UID FindByName(const PMString& name) const override {
        for (int32 i = 0; i < GetCount(); ++i) {
            InterfacePtr<IDocumentLayer> layer(QueryLayer(i));
            if (layer && layer->GetName() == name)
                return fLayers.At(i);
        }
        return kInvalidUID;
    }
    void AddLayer(UID layer, int32 position) override {
        if (fLayers.IndexOf(layer) >= 0)
            return;
        PreDirty();
        fLayers.Insert(layer, position);
    }
    void RemoveLayer(UID layer) override {
        if (fLayers.IndexOf(layer) < 0)
            return;
        PreDirty();
        fLayers.Remove(layer);
    }
    void ReadWrite(IPMStream* stream, ImplementationID) override { fLayers.ReadWrite(stream); }

private:
    StoredUIDList fLayers;
};
} // namespace

ImplementationDeclaration MakeLayerListImplementation(ImplementationID id) {
    return IMPLEMENTATION(LayerList, id, true);
}
