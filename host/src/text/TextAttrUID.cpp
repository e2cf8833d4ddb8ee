// TextAttrUID: the stored UID value of a character attribute.
#include "TextImplementations.h"
#include "host/database/IPMStream.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/ITextAttrUID.h"

namespace {
class TextAttrUID final : public CPMUnknown<ITextAttrUID> {
public:
    explicit TextAttrUID(IPMUnknown* boss) : CPMUnknown<ITextAttrUID>(boss) {}
    void Set(UID value) override {
        PreDirty();
        fValue = value;
    }
    UID Get() const override { return fValue; }
    void ReadWrite(IPMStream* stream, ImplementationID) override { stream->XferReference(fValue); }

private:
    UID fValue = kInvalidUID;
};
} // namespace

ImplementationDeclaration MakeTextAttrUIDImplementation(ImplementationID id) {
    return IMPLEMENTATION(TextAttrUID, id, true);
}
