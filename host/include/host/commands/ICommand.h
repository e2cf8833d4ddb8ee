// ICommand: a change to a document, processed by the host so that it is undoable and announced.
#pragma once

#include "host/database/UIDList.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/PMString.h"

class ICommand : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ICOMMAND };
    // kAutoUndo: the command is no undo step of its own but is undone with the step before it
    // (changes of view state such as an emphasis that follows the selection).
    enum Undoability { kRegularUndo = 0, kAutoUndo = 1 };
    enum CommandState { kNotDone = 0, kDoing = 1, kDone = 2, kUndone = 3 };

    // The objects the command works on; after processing, what it made or changed.
    virtual const UIDList* GetItemList() const = 0;
    virtual void SetItemList(const UIDList& items) = 0;
    virtual UIDList* GetItemListReference() = 0;

    // The name shown in the undo menu (a string-table key is translated).
    virtual PMString GetName() = 0;
    virtual void SetName(const PMString& name) = 0;
    virtual Undoability GetUndoability() const = 0;
    virtual void SetUndoability(Undoability undoability) = 0;
    virtual CommandState GetCommandState() const = 0;

    // Host use: run the body, then the notification.
    virtual void Execute() = 0;
    virtual void Notify() = 0;
    virtual void SetCommandState(CommandState state) = 0;
};
