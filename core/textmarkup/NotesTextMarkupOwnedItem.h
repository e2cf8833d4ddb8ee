// NotesTextMarkupOwnedItem: the owned-item behaviour of both markers of a text markup. A marker
// goes with its character and is copied with it, and hands the host a memento so that the
// markup stays whole through edits of its text (see NotesTextMarkupMemento).
#pragma once

#include "host/text/COwnedItem.h"

class NotesTextMarkupOwnedItem final : public COwnedItem {
public:
    explicit NotesTextMarkupOwnedItem(IPMUnknown* boss) : COwnedItem(boss) {}
    ITextModelMemento* CreateMemento() override;
    bool16 DeletesWithText() override { return kTrue; }
    bool16 CopiesWithText() override { return kTrue; }
};
