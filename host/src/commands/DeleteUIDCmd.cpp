// DeleteUIDCmd: deletes the objects of its item list.
#include "../objectmodel/HostImplementations.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/ClassRegistry.h"

namespace {
class DeleteUIDCmd final : public Command {
public:
    explicit DeleteUIDCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        IDataBase* db = fItemList.GetDataBase();
        if (!db || fItemList.IsEmpty()) {
            ErrorUtils::PMSetGlobalErrorCode(kFailure);
            return;
        }
        for (UID uid : fItemList.GetUIDs())
            db->DeleteUID(uid);
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
    PMString* CreateName() override { return new PMString("Delete"); }
};
} // namespace

ImplementationDeclaration MakeDeleteUIDCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(DeleteUIDCmd, id, false);
}
