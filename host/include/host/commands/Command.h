// Command: the base of command implementations. A subclass implements Do (the change) and may
// implement DoNotify (tell observers) and CreateName (its undo name).
#pragma once

#include "host/commands/ICommand.h"
#include "host/objectmodel/CPMUnknown.h"

class Command : public CPMUnknown<ICommand> {
public:
    explicit Command(IPMUnknown* boss) : CPMUnknown<ICommand>(boss) {}

    const UIDList* GetItemList() const override { return &fItemList; }
    void SetItemList(const UIDList& items) override { fItemList = items; }
    UIDList* GetItemListReference() override { return &fItemList; }
    PMString GetName() override;
    void SetName(const PMString& name) override { fName = name; }
    Undoability GetUndoability() const override { return fUndoability; }
    void SetUndoability(Undoability undoability) override { fUndoability = undoability; }
    CommandState GetCommandState() const override { return fState; }
    void Execute() override { Do(); }
    void Notify() override { DoNotify(); }
    void SetCommandState(CommandState state) override { fState = state; }

protected:
    virtual void Do() = 0;
    virtual void DoNotify() {}
    // The default name when none was set; nullptr-equivalent (empty) for unnamed commands.
    virtual PMString* CreateName() { return nullptr; }

    UIDList fItemList;

private:
    PMString fName;
    bool fNameMade = false;
    Undoability fUndoability = kRegularUndo;
    CommandState fState = kNotDone;
};
