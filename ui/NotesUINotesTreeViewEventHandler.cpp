#include "NotesUINotesTreeViewEventHandler.h"

#include "NotesFailureLog.h"
#include "NotesUITreeNodes.h"
#include "QuillpaneID.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ICommand.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/ui/ActionManager.h"
#include "host/ui/IControlView.h"
#include "host/ui/IEvent.h"

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

bool16 NotesUINotesTreeViewEventHandler::RButtonDn(IEvent* event) {
    TreeViewEventHandler::RButtonDn(event);
    return ActionManager::Instance().PopUpContextMenu(NOTES_UI_TREE_CONTEXT_MENU, event->GetTarget(),
                                                      event->GlobalWhere())
               ? kTrue
               : kFalse;
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
