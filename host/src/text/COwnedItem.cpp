#include "host/text/COwnedItem.h"

#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"

ICommand* COwnedItem::CreateDeleteCmd() {
    ICommand* cmd = CmdUtils::CreateCommand(kDeleteUIDCmdBoss);
    if (cmd)
        cmd->SetItemList(UIDList(UIDRef(::GetDataBase(this), ::GetUID(this))));
    return cmd;
}
