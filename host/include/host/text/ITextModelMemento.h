// ITextModelMemento: what an owned item asks to be told about edits of its text. The host calls
// it inside the edit's command, so whatever it changes is undone and redone with the text.
#pragma once

#include "host/database/UIDList.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/RangeData.h"

class ITextModelMemento : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITEXTMODELMEMENTO };
    // The character the item is anchored at is about to be deleted (delete, cut or replace) with
    // the rest of removed. The item may move itself out of removed (SetOwnedItem); then it stays.
    virtual void Removing(const UIDRef& story, TextIndex index, RangeData removed) = 0;
    // The item is a copy that a paste has just anchored at index; sources and copies pair every
    // item the same paste carried with its copy, so links between them can be remade.
    virtual void Reinserted(const UIDRef& story, TextIndex index, const UIDList& sources,
                            const UIDList& copies) = 0;
    // Every item of the paste is in place: whatever spans several items can be redone now.
    virtual void ReinsertionDone(const UIDRef& story) = 0;
};
