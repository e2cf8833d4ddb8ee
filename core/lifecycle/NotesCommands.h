// NotesCommands: processing the host's commands the way every Part does: each command is made,
// given its items and processed; a command that cannot be made or that fails writes its one
// failure log line under the caller's name for it, and the caller takes its failure path.
#pragma once

#include "host/commands/ICommand.h"
#include "host/database/UIDList.h"
#include "host/database/UIDRef.h"
#include "host/objectmodel/ObjectIDs.h"
#include "host/text/RangeData.h"

class ICommand;

class NotesCommands {
public:
    // Processes a command of the class on the items.
    static bool ProcessOn(ClassID commandClass, const UIDList& items, const char* what,
                          ICommand::Undoability undoability = ICommand::kRegularUndo);
    // Processes a command made elsewhere (taking over its reference); nullptr logs as missing.
    static bool Process(ICommand* cmd, const char* what);
    // Tells the document's observers on protocol that the command (of class theChange) changed
    // the database of its items; nothing when it has none.
    static void Broadcast(ICommand* cmd, ClassID theChange, PMIID protocol);
    // Deletes objects with the host's delete-UID command.
    static bool DeleteUIDs(const UIDList& objects, const char* what);

    // Text commands on a story (host ITextModelCmds).
    static bool SetOwnedItem(const UIDRef& story, TextIndex at, UID item, ClassID itemClass,
                             const char* what);
    static bool RemoveOwnedItem(const UIDRef& story, UID item, const char* what);
    // Applies a UID-valued character attribute of the class over range.
    static bool ApplyAttribute(const UIDRef& story, RangeData range, ClassID attributeClass, UID value,
                               const char* what, ICommand::Undoability undoability = ICommand::kRegularUndo);
    static bool ClearAttribute(const UIDRef& story, RangeData range, ClassID attributeClass, const char* what,
                               ICommand::Undoability undoability = ICommand::kRegularUndo);
};
