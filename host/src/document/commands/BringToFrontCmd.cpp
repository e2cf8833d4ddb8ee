// BringToFrontCmd: makes each item of its list the frontmost child of its parent, in list order.
#include "../PageItemOps.h"
#include "../Query.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/document/IHierarchy.h"
#include "host/objectmodel/ClassRegistry.h"
#include "objectmodel/HostImplementations.h"

namespace {
class BringToFrontCmd final : public Command {
public:
    explicit BringToFrontCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        ErrorUtils::PMSetGlobalErrorCode(kFailure);
        IDataBase* db = fItemList.GetDataBase();
        if (!db || fItemList.IsEmpty())
            return;
        for (UID uid : fItemList.GetUIDs()) {
            InterfacePtr<IHierarchy> item = Query::Get<IHierarchy>(db, uid);
            InterfacePtr<IHierarchy> parent(item ? item->QueryParent() : nullptr);
            if (!parent || !PageItemOps::IsPageItem(db, uid))
                return;
            if (parent->GetChildIndex(uid) == parent->GetChildCount() - 1)
                continue;
            parent->RemoveChild(uid);
            parent->AddChild(uid, -1);
        }
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
    void DoNotify() override {
        PageItemOps::Broadcast(fItemList.GetDataBase(), kBringToFrontCmdBoss, IID_IHIERARCHY_DOCUMENT, this);
    }
    PMString* CreateName() override { return new PMString("Bring to Front"); }
};
} // namespace

ImplementationDeclaration MakeBringToFrontCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(BringToFrontCmd, id, false);
}
