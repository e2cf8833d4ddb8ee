// MasterSpreadList: the document's stored list of master spreads.
#include "../objectmodel/HostImplementations.h"
#include "Query.h"
#include "StoredUIDList.h"
#include "host/document/IMasterSpread.h"
#include "host/document/IMasterSpreadList.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"

namespace {
class MasterSpreadList final : public CPMUnknown<IMasterSpreadList> {
public:
    explicit MasterSpreadList(IPMUnknown* boss) : CPMUnknown<IMasterSpreadList>(boss) {}
    int32 GetMasterSpreadCount() const override { return fMasters.Count(); }
    UID GetNthMasterSpreadUID(int32 index) const override { return fMasters.At(index); }
    int32 GetMasterSpreadIndex(UID masterSpread) const override { return fMasters.IndexOf(masterSpread); }
    UID FindMasterSpread(const PMString& name) const override {
        for (UID uid : fMasters.UIDs()) {
            InterfacePtr<IMasterSpread> master = Query::Get<IMasterSpread>(GetBoss()->GetDataBase(), uid);
            if (master && master->GetName() == name)
                return uid;
        }
        return kInvalidUID;
    }
    void InsertMasterSpread(UID masterSpread, int32 position) override {
        PreDirty();
        fMasters.Insert(masterSpread, position);
    }
    void RemoveMasterSpread(UID masterSpread) override {
        if (fMasters.IndexOf(masterSpread) < 0)
            return;
        PreDirty();
        fMasters.Remove(masterSpread);
    }
    void ReadWrite(IPMStream* stream, ImplementationID) override { fMasters.ReadWrite(stream); }

private:
    StoredUIDList fMasters;
};
} // namespace

ImplementationDeclaration MakeMasterSpreadListImplementation(ImplementationID id) {
    return IMPLEMENTATION(MasterSpreadList, id, true);
}
