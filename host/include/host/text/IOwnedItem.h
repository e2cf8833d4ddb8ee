// IOwnedItem: the behaviour of an object anchored in text (see IItemStrand). COwnedItem gives the
// defaults: the item is neither deleted nor copied with its text and wants no memento.
#pragma once

#include "host/commands/ICommand.h"
#include "host/objectmodel/HostIDs.h"
#include "host/text/ITextModelMemento.h"

class IOwnedItem : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IOWNEDITEM };
    // The command that deletes the item (the delete request), or nullptr. Owned by the caller.
    virtual ICommand* CreateDeleteCmd() = 0;
    // A memento the host calls around edits of the item's text (the memento request), or nullptr.
    virtual ITextModelMemento* CreateMemento() = 0;
    // Whether deleting the item's character deletes the item through CreateDeleteCmd.
    virtual bool16 DeletesWithText() = 0;
    // Whether a copy of the item's text carries a copy of the item to where it is pasted.
    virtual bool16 CopiesWithText() = 0;
};
