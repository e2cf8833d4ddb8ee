// MasterPage: the stored master spread of a page and the master page it maps to.
#include "../objectmodel/HostImplementations.h"
#include "Query.h"
#include "host/database/IPMStream.h"
#include "host/document/IHierarchy.h"
#include "host/document/IMasterPage.h"
#include "host/document/ISpread.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"

namespace {
class MasterPage final : public CPMUnknown<IMasterPage> {
public:
    explicit MasterPage(IPMUnknown* boss) : CPMUnknown<IMasterPage>(boss) {}

    UID GetMasterSpreadUID() const override { return fMasterSpread; }
    void SetMasterSpreadUID(UID masterSpread) override {
        PreDirty();
        fMasterSpread = masterSpread;
    }
    UID GetMasterPageUID() const override {
        IDataBase* db = GetBoss()->GetDataBase();
        InterfacePtr<ISpread> master = Query::Get<ISpread>(db, fMasterSpread);
        InterfacePtr<IHierarchy> hierarchy(this, IID_IHIERARCHY);
        if (!master || !hierarchy || master->GetNumPages() == 0)
            return kInvalidUID;
        InterfacePtr<ISpread> ownSpread = Query::Get<ISpread>(db, hierarchy->GetSpreadUID());
        const int32 position = ownSpread ? std::max(ownSpread->GetPageIndex(GetBoss()->GetUID()), 0) : 0;
        return master->GetNthPageUID(position % master->GetNumPages());
    }

    void ReadWrite(IPMStream* stream, ImplementationID) override { stream->XferReference(fMasterSpread); }

private:
    UID fMasterSpread = kInvalidUID;
};
} // namespace

ImplementationDeclaration MakeMasterPageImplementation(ImplementationID id) {
    return IMPLEMENTATION(MasterPage, id, true);
}
