#include "NotesUINotesTreeViewEventHandler.h"

#include "NotesFailureLog.h"
#include "NotesUITreeNodes.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ICommand.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"

bool16 NotesUINotesTreeViewEventHandler::ButtonDblClk(IEvent* event) {
    // The node is found before the tree's own handling, which may change what the widgets show.
    const UIDRef object = NotesUITreeNodes::RefOf(NodeOfTarget(event));
    const bool16 handled = TreeViewEventHandler::ButtonDblClk(event);
    IDataBase* db = object.GetDataBase();
    if (db && object.GetUID() != kInvalidUID && object.GetUID() != db->GetRootUID() &&
        !NotesUITreeNodes::IsAnnotation(object))
        ShowPage(object);
    return handled;
}

void NotesUINotesTreeViewEventHandler::ShowPage(const UIDRef& page) {
    InterfacePtr<ICommand> setPageCmd(CmdUtils::CreateCommand(kSetPageCmdBoss));
    InterfacePtr<IUIDData> pageData(setPageCmd, IID_IUIDDATA);
    if (!NOTES_CHECK_NIL(setPageCmd) || !NOTES_CHECK_NIL(pageData))
        return;
    pageData->Set(page);
    if (CmdUtils::ProcessCommand(setPageCmd) != kSuccess)
        NOTES_LOG_FAILED("setPageCmd");
}
