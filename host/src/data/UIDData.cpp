// UIDData: holds one object reference; the persistent form stores the UID with its object.
#include "../objectmodel/HostImplementations.h"
#include "host/database/IDataBase.h"
#include "host/database/IPMStream.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/IUIDData.h"

namespace {
template <bool Persistent> class UIDData final : public CPMUnknown<IUIDData> {
public:
    explicit UIDData(IPMUnknown* boss) : CPMUnknown<IUIDData>(boss) {}

    void Set(const UIDRef& ref) override {
        Change();
        fDataBase = ref.GetDataBase();
        fUID = ref.GetUID();
    }
    void Set(UID uid) override {
        Change();
        fUID = uid;
    }
    UID GetUID() const override { return fUID; }
    UIDRef GetRef() const override { return UIDRef(GetItemDataBase(), fUID); }
    IDataBase* GetItemDataBase() const override {
        // A stored reference always names an object of the database its holder lives in.
        if (IDataBase* own = GetBoss()->GetDataBase())
            return own;
        return fDataBase;
    }
    void ReadWrite(IPMStream* stream, ImplementationID) override {
        if (Persistent)
            stream->XferReference(fUID);
    }

private:
    void Change() {
        if (Persistent)
            PreDirty();
    }
    IDataBase* fDataBase = nullptr;
    UID fUID = kInvalidUID;
};
} // namespace

ImplementationDeclaration MakeUIDDataImplementation(ImplementationID id, bool persistent) {
    return persistent ? IMPLEMENTATION(UIDData<true>, id, true) : IMPLEMENTATION(UIDData<false>, id, false);
}
