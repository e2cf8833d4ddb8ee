// TableAnchor: the owned-item behaviour of a table's anchor: deleting its 0x16 character deletes
// the table (the delete-table command, which leaves the character to the deletion); copied text
// carries no table, so a pasted 0x16 is a plain character.
#include "TextImplementations.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/COwnedItem.h"

namespace {
class TableAnchor final : public COwnedItem {
public:
    explicit TableAnchor(IPMUnknown* boss) : COwnedItem(boss) {}

    ICommand* CreateDeleteCmd() override {
        ICommand* cmd = CmdUtils::CreateCommand(kDeleteTableCmdBoss);
        if (cmd)
            cmd->SetItemList(UIDList(UIDRef(::GetDataBase(this), ::GetUID(this))));
        return cmd;
    }
    bool16 DeletesWithText() override { return kTrue; }
};
} // namespace

ImplementationDeclaration MakeTableAnchorImplementation(ImplementationID id) {
    return IMPLEMENTATION(TableAnchor, id, false);
}
