// StandOffData: the stored text-wrap mode of a page item (none by default).
#include "../objectmodel/HostImplementations.h"
#include "host/database/IPMStream.h"
#include "host/document/IStandOffData.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class StandOffData final : public CPMUnknown<IStandOffData> {
public:
    explicit StandOffData(IPMUnknown* boss) : CPMUnknown<IStandOffData>(boss) {}
    int32 GetMode() const override { return fMode; }
    void SetMode(int32 mode) override {
        PreDirty();
        fMode = mode;
    }
    void ReadWrite(IPMStream* stream, ImplementationID) override { stream->XferInt32(fMode); }

private:
    int32 fMode = kNone;
};
} // namespace

ImplementationDeclaration MakeStandOffDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(StandOffData, id, true);
}
