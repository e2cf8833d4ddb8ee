// DocumentLayer: the stored name, colour and switches of a document layer.
#include "../objectmodel/HostImplementations.h"
#include "host/database/IPMStream.h"
#include "host/document/IDocumentLayer.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class DocumentLayer final : public CPMUnknown<IDocumentLayer> {
public:
    explicit DocumentLayer(IPMUnknown* boss) : CPMUnknown<IDocumentLayer>(boss) {}

    PMString GetName() const override { return fName; }
    void SetName(const PMString& name) override { Change(fName, name); }
    RGBColor GetColor() const override { return fColor; }
    void SetColor(const RGBColor& color) override { Change(fColor, color); }
    bool16 IsVisible() const override { return fVisible; }
    void SetVisible(bool16 value) override { Change(fVisible, Bool(value)); }
    bool16 IsLocked() const override { return fLocked; }
    void SetLocked(bool16 value) override { Change(fLocked, Bool(value)); }
    bool16 IsGuideVisible() const override { return fGuideVisible; }
    void SetGuideVisible(bool16 value) override { Change(fGuideVisible, Bool(value)); }
    bool16 IsGuideLocked() const override { return fGuideLocked; }
    void SetGuideLocked(bool16 value) override { Change(fGuideLocked, Bool(value)); }
    bool16 IsPrintable() const override { return fPrintable; }
    void SetPrintable(bool16 value) override { Change(fPrintable, Bool(value)); }
    bool16 IsIgnoreWrapWhenHidden() const override { return fIgnoreWrap; }
    void SetIgnoreWrapWhenHidden(bool16 value) override { Change(fIgnoreWrap, Bool(value)); }

    void ReadWrite(IPMStream* stream, ImplementationID) override {
        stream->XferString(fName);
        stream->XferReal(fColor.red);
        stream->XferReal(fColor.green);
        stream->XferReal(fColor.blue);
        for (bool16* flag : {&fVisible, &fLocked, &fGuideVisible, &fGuideLocked, &fPrintable, &fIgnoreWrap})
            stream->XferBool(*flag);
    }

private:
    static bool16 Bool(bool16 value) { return value ? kTrue : kFalse; }
    template <class T> void Change(T& field, const T& value) {
        PreDirty();
        field = value;
    }

    PMString fName;
    RGBColor fColor;
    bool16 fVisible = kTrue;
    bool16 fLocked = kFalse;
    bool16 fGuideVisible = kTrue;
    bool16 fGuideLocked = kFalse;
    bool16 fPrintable = kTrue;
    bool16 fIgnoreWrap = kFalse;
};
} // namespace

ImplementationDeclaration MakeDocumentLayerImplementation(ImplementationID id) {
    return IMPLEMENTATION(DocumentLayer, id, true);
}
