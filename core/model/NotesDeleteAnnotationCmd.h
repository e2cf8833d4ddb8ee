// NotesDeleteAnnotationCmd: deletes annotations with their popups: text markups through the
// remove-text-markup command, page items through the host's delete command (a free text together
// with the group holding its callout line).
#pragma once

#include <unordered_set>

#include "host/commands/Command.h"

class NotesDeleteAnnotationCmd final : public Command {
public:
    explicit NotesDeleteAnnotationCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override;
    PMString* CreateName() override;

private:
    // Sorts one annotation into the markups to remove and the page items to delete.
    bool Collect(const UIDRef& annotation, UIDList* textMarkups, UIDList* pageItems);
    // Appends uid unless it was collected already (a set, so long lists are not searched).
    void AppendOnce(UIDList* list, UID uid);

    std::unordered_set<UID> fCollected;
};
