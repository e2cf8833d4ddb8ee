// MasterSpread: the stored name of a master spread.
#include "../objectmodel/HostImplementations.h"
#include "host/database/IPMStream.h"
#include "host/document/IMasterSpread.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class MasterSpread final : public CPMUnknown<IMasterSpread> {
public:
    explicit MasterSpread(IPMUnknown* boss) : CPMUnknown<IMasterSpread>(boss) {}
    PMString GetName() const override { return fName; }
    void SetName(const PMString& name) override {
        PreDirty();
        fName = name;
    }
    void ReadWrite(IPMStream* stream, ImplementationID) override { stream->XferString(fName); }

private:
    PMString fName;
};
} // namespace

ImplementationDeclaration MakeMasterSpreadImplementation(ImplementationID id) {
    return IMPLEMENTATION(MasterSpread, id, true);
}
