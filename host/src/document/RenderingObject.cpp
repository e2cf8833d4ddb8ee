// RenderingObject: the stored name, standard kind and editability of a swatch.
#include "../objectmodel/HostImplementations.h"
#include "host/database/IPMStream.h"
#include "host/document/IRenderingObject.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class RenderingObject final : public CPMUnknown<IRenderingObject> {
public:
    explicit RenderingObject(IPMUnknown* boss) : CPMUnknown<IRenderingObject>(boss) {}
    PMString GetSwatchName() const override { return fName; }
    void SetSwatchName(const PMString& name) override {
        PreDirty();
        fName = name;
    }
    int32 GetStandardKind() const override { return fKind; }
    void SetStandardKind(int32 kind) override {
        PreDirty();
        fKind = kind;
    }
    bool16 IsStandard() const override { return fKind != kNotStandard ? kTrue : kFalse; }
    bool16 IsEditable() const override { return fEditable; }
    void SetEditable(bool16 editable) override {
        PreDirty();
        fEditable = editable ? kTrue : kFalse;
    }
    void ReadWrite(IPMStream* stream, ImplementationID) override {
        stream->XferString(fName);
        stream->XferInt32(fKind);
        stream->XferBool(fEditable);
    }

private:
    PMString fName;
    int32 fKind = kNotStandard;
    bool16 fEditable = kTrue;
};
} // namespace

ImplementationDeclaration MakeRenderingObjectImplementation(ImplementationID id) {
    return IMPLEMENTATION(RenderingObject, id, true);
}
