// IntData: holds one 32-bit integer.
#include "../objectmodel/HostImplementations.h"
#include "host/database/IPMStream.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/IIntData.h"

namespace {
template <bool Persistent> class IntData final : public CPMUnknown<IIntData> {
public:
    explicit IntData(IPMUnknown* boss) : CPMUnknown<IIntData>(boss) {}
    void Set(int32 value) override {
        if (Persistent)
            PreDirty();
        fValue = value;
    }
    int32 GetInt() const override { return fValue; }
    void ReadWrite(IPMStream* stream, ImplementationID) override {
        if (Persistent)
            stream->XferInt32(fValue);
    }

private:
    int32 fValue = 0;
};
} // namespace

ImplementationDeclaration MakeIntDataImplementation(ImplementationID id, bool persistent) {
    return persistent ? IMPLEMENTATION(IntData<true>, id, true) : IMPLEMENTATION(IntData<false>, id, false);
}
