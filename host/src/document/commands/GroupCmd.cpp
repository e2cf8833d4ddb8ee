// GroupCmd: puts page items into a new group, in the place of the frontmost of them, keeping
// where each item sits on the pasteboard.
#include <algorithm>

#include "../PageItemOps.h"
#include "../Query.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/document/IGroupCmdData.h"
#include "host/document/IHierarchy.h"
#include "host/objectmodel/ClassRegistry.h"
#include "objectmodel/HostImplementations.h"

namespace {
class GroupCmd final : public Command {
public:
    explicit GroupCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        ErrorUtils::PMSetGlobalErrorCode(kFailure);
        IDataBase* db = fItemList.GetDataBase();
        if (!PageItemOps::AreAllPageItems(fItemList))
            return;
        InterfacePtr<IHierarchy> parent = Query::Get<IHierarchy>(db, TargetParent(db));
        if (!parent)
            return;
        const UID group = db->NewUID(kGroupItemBoss);
        parent->AddChild(group, FrontmostPosition(parent));
        for (UID uid : fItemList.GetUIDs())
            PageItemOps::Reparent(db, uid, group, -1);
        fItemList = UIDList(UIDRef(db, group));
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }

    void DoNotify() override {
        PageItemOps::Broadcast(fItemList.GetDataBase(), kGroupCmdBoss, IID_IHIERARCHY_DOCUMENT, this);
    }
    PMString* CreateName() override { return new PMString("Group"); }

private:
    UID TargetParent(IDataBase* db) {
        InterfacePtr<IGroupCmdData> data(this, IID_IGROUPCMDDATA);
        if (data && data->GetTargetParent() != kInvalidUID)
            return data->GetTargetParent();
        InterfacePtr<IHierarchy> first = Query::Get<IHierarchy>(db, fItemList[0]);
        return first ? first->GetParentUID() : kInvalidUID;
    }
    // Just after the frontmost grouped item that is a child of the target, else at the end.
    int32 FrontmostPosition(IHierarchy* parent) const {
        int32 position = -1;
        for (UID uid : fItemList.GetUIDs())
            position = std::max(position, parent->GetChildIndex(uid));
        return position < 0 ? -1 : position + 1;
    }
};
} // namespace

ImplementationDeclaration MakeGroupCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(GroupCmd, id, false);
}
