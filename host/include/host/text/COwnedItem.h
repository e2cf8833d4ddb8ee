// COwnedItem: the default owned-item behaviour, a base for items that change some of it.
#pragma once

#include "host/objectmodel/CPMUnknown.h"
#include "host/text/IOwnedItem.h"

class COwnedItem : public CPMUnknown<IOwnedItem> {
public:
    explicit COwnedItem(IPMUnknown* boss) : CPMUnknown<IOwnedItem>(boss) {}
    // A delete-UID command for the item itself.
    ICommand* CreateDeleteCmd() override;
    ITextModelMemento* CreateMemento() override { return nullptr; }
    bool16 DeletesWithText() override { return kFalse; }
    bool16 CopiesWithText() override { return kFalse; }
};
