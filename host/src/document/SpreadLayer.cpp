// SpreadLayer: the stored document layer and kind of a spread layer.
#include "../objectmodel/HostImplementations.h"
#include "host/database/IPMStream.h"
#include "host/document/ISpreadLayer.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class SpreadLayer final : public CPMUnknown<ISpreadLayer> {
public:
    explicit SpreadLayer(IPMUnknown* boss) : CPMUnknown<ISpreadLayer>(boss) {}
    UID GetDocLayerUID() const override { return fDocLayer; }
    void SetDocLayerUID(UID documentLayer) override {
        PreDirty();
        fDocLayer = documentLayer;
    }
    bool16 IsGuideLayer() const override { return fGuide; }
    void SetGuideLayer(bool16 guide) override {
        PreDirty();
        fGuide = guide ? kTrue : kFalse;
    }
    bool16 IsPagesLayer() const override { return fDocLayer == kInvalidUID ? kTrue : kFalse; }
    void ReadWrite(IPMStream* stream, ImplementationID) override {
        stream->XferReference(fDocLayer);
        stream->XferBool(fGuide);
    }

private:
    UID fDocLayer = kInvalidUID;
    bool16 fGuide = kFalse;
};
} // namespace

ImplementationDeclaration MakeSpreadLayerImplementation(ImplementationID id) {
    return IMPLEMENTATION(SpreadLayer, id, true);
}
