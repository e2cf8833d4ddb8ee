// DeleteCmd: deletes page items with all their children. Observers hear of it twice: before
// (change kBeforeDeleteChangeClass, command state not yet done), while the items can still be
// read, and after (change kDeleteCmdBoss).
#include "../PageItemOps.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/ClassRegistry.h"
#include "objectmodel/HostImplementations.h"

namespace {
class DeleteCmd final : public Command {
public:
    explicit DeleteCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        ErrorUtils::PMSetGlobalErrorCode(kFailure);
        IDataBase* db = fItemList.GetDataBase();
        if (!PageItemOps::AreAllPageItems(fItemList))
            return;
        AnnounceBeforeDeleting(db);
        // An item may already be gone as the child of an earlier one.
        for (UID uid : fItemList.GetUIDs())
            if (db->IsValidUID(uid))
                PageItemOps::DeleteTree(db, uid);
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }

    void DoNotify() override {
        PageItemOps::Broadcast(fItemList.GetDataBase(), kDeleteCmdBoss, IID_IHIERARCHY_DOCUMENT, this);
    }
    PMString* CreateName() override { return new PMString("Delete"); }

private:
    void AnnounceBeforeDeleting(IDataBase* db) {
        const CommandState state = GetCommandState();
        SetCommandState(kNotDone);
        PageItemOps::Broadcast(db, kBeforeDeleteChangeClass, IID_IHIERARCHY_DOCUMENT, this);
        SetCommandState(state);
    }
};
} // namespace

ImplementationDeclaration MakeDeleteCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(DeleteCmd, id, false);
}
