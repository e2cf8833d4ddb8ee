#include "NotesCommands.h"

#include "NotesFailureLog.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ICommand.h"
#include "host/notify/IChangeBroadcastUtils.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/AttributeBossList.h"
#include "host/text/ITextAttrUID.h"
#include "host/text/ITextModelCmds.h"

namespace {
InterfacePtr<ITextModelCmds> CommandsOf(const UIDRef& story, const char* what) {
    InterfacePtr<ITextModelCmds> textModelCmds(story, IID_ITEXTMODELCMDS);
    if (!textModelCmds)
        NOTES_LOG_NIL(what);
    return textModelCmds;
}
} // namespace

bool NotesCommands::Process(ICommand* cmd, const char* what) {
    InterfacePtr<ICommand> owned(cmd);
    if (!owned) {
        NOTES_LOG_NIL(what);
        return false;
    }
    if (CmdUtils::ProcessCommand(owned) != kSuccess) {
        NOTES_LOG_FAILED(what);
        return false;
    }
    return true;
}

bool NotesCommands::ProcessOn(ClassID commandClass, const UIDList& items, const char* what,
                              ICommand::Undoability undoability) {
    ICommand* cmd = CmdUtils::CreateCommand(commandClass);
    if (cmd) {
        cmd->SetItemList(items);
        cmd->SetUndoability(undoability);
    }
    return Process(cmd, what);
}

bool NotesCommands::DeleteUIDs(const UIDList& objects, const char* what) {
    return objects.IsEmpty() || ProcessOn(kDeleteUIDCmdBoss, objects, what);
}

bool NotesCommands::SetOwnedItem(const UIDRef& story, TextIndex at, UID item, ClassID itemClass,
                                 const char* what) {
    InterfacePtr<ITextModelCmds> textModelCmds = CommandsOf(story, what);
    return textModelCmds && Process(textModelCmds->SetOwnedItemCmd(at, item, itemClass), what);
}

bool NotesCommands::RemoveOwnedItem(const UIDRef& story, UID item, const char* what) {
    InterfacePtr<ITextModelCmds> textModelCmds = CommandsOf(story, what);
    return textModelCmds && Process(textModelCmds->RemoveOwnedItemCmd(item), what);
}

bool NotesCommands::ApplyAttribute(const UIDRef& story, RangeData range, ClassID attributeClass, UID value,
                                   const char* what, ICommand::Undoability undoability) {
    InterfacePtr<ITextModelCmds> textModelCmds = CommandsOf(story, what);
    InterfacePtr<ITextAttrUID> attribute(CreateObject2<ITextAttrUID>(attributeClass));
    if (!textModelCmds || !attribute) {
        NOTES_LOG_NIL(what);
        return false;
    }
    attribute->Set(value);
    ICommand* applyCmd = textModelCmds->ApplyAttributeCmd(range, AttributeBossList(attribute.get()));
    if (applyCmd)
        applyCmd->SetUndoability(undoability);
    return Process(applyCmd, what);
}

bool NotesCommands::ClearAttribute(const UIDRef& story, RangeData range, ClassID attributeClass,
                                   const char* what, ICommand::Undoability undoability) {
    InterfacePtr<ITextModelCmds> textModelCmds = CommandsOf(story, what);
    if (!textModelCmds)
        return false;
    ICommand* clearCmd = textModelCmds->ClearAttributeCmd(range, attributeClass);
    if (clearCmd)
        clearCmd->SetUndoability(undoability);
    return Process(clearCmd, what);
}

void NotesCommands::Broadcast(ICommand* cmd, ClassID theChange, PMIID protocol) {
    IDataBase* database = cmd->GetItemList()->GetDataBase();
    Utils<IChangeBroadcastUtils> broadcast;
    if (database && broadcast)
        broadcast->Broadcast(theChange, protocol, database, cmd);
}
