// BoolData: holds one truth value (16 bits in the stream when persistent).
#include "../objectmodel/HostImplementations.h"
#include "host/database/IPMStream.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/IBoolData.h"

namespace {
template <bool Persistent> class BoolData final : public CPMUnknown<IBoolData> {
public:
    explicit BoolData(IPMUnknown* boss) : CPMUnknown<IBoolData>(boss) {}
    void Set(bool16 value) override {
        if (Persistent)
            PreDirty();
        fValue = value;
    }
    bool16 GetBool() const override { return fValue; }
    void ReadWrite(IPMStream* stream, ImplementationID) override {
        if (Persistent)
            stream->XferBool(fValue);
    }

private:
    bool16 fValue = kFalse;
};
} // namespace

ImplementationDeclaration MakeBoolDataImplementation(ImplementationID id, bool persistent) {
    return persistent ? IMPLEMENTATION(BoolData<true>, id, true) : IMPLEMENTATION(BoolData<false>, id, false);
}
