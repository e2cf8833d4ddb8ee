// NotesUINotesTreeViewEventHandler (on the Notes tree view): the tree's own click handling, and then
// for a double click on a page node, that page shown whole in the front layout view. A double click
// on an annotation node adds nothing. A right click pops up the tree's context menu.
#pragma once

#include "host/database/UIDRef.h"
#include "host/ui/TreeViewEventHandler.h"

class NotesUINotesTreeViewEventHandler final : public TreeViewEventHandler {
public:
    explicit NotesUINotesTreeViewEventHandler(IPMUnknown* boss) : TreeViewEventHandler(boss) {}
    bool16 ButtonDblClk(IEvent* event) override;
    // The tree's own handling selects the node under the click; then the tree's context menu pops up.
    bool16 RButtonDn(IEvent* event) override;

private:
    static void ShowPage(const UIDRef& page);
};
