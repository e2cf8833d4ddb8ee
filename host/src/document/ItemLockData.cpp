// ItemLockData: the stored locks of a page item.
#include "../objectmodel/HostImplementations.h"
#include "host/database/IPMStream.h"
#include "host/document/IItemLockData.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class ItemLockData final : public CPMUnknown<IItemLockData> {
public:
    explicit ItemLockData(IPMUnknown* boss) : CPMUnknown<IItemLockData>(boss) {}
    bool16 GetInsertLock() const override { return fInsertLock; }
    void SetInsertLock(bool16 locked) override { Set(fInsertLock, locked); }
    bool16 GetAttributeLock() const override { return fAttributeLock; }
    void SetAttributeLock(bool16 locked) override { Set(fAttributeLock, locked); }
    void ReadWrite(IPMStream* stream, ImplementationID) override {
        stream->XferBool(fInsertLock);
        stream->XferBool(fAttributeLock);
    }

private:
    void Set(bool16& field, bool16 value) {
        PreDirty();
        field = value ? kTrue : kFalse;
    }
    bool16 fInsertLock = kFalse;
    bool16 fAttributeLock = kFalse;
};
} // namespace

ImplementationDeclaration MakeItemLockDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(ItemLockData, id, true);
}
