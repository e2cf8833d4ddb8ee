// NotesUINotesTreeViewObserver (on the Notes tree view): follows the tree's own selection. The
// selected annotations become the document's annotation selection (emphasis and popups), and the
// panel's details show the one selected note, or nothing.
#pragma once

#include "host/database/UIDList.h"
#include "host/notify/CObserver.h"
#include "host/ui/NodeID.h"

class NotesUINotesTreeViewObserver final : public CObserver {
public:
    explicit NotesUINotesTreeViewObserver(IPMUnknown* boss) : CObserver(boss) {}
    void AutoAttach() override;
    void AutoDetach() override;
    void Update(ClassID theChange, ISubject* theSubject, PMIID protocol, void* changedBy) override;

    // Whether the object is one of the annotations the tree shows (text markups, sticky notes, lines,
    // polygons, free text), by its class.
    static bool IsTreeAnnotation(const UIDRef& object);

private:
    void SelectionChanged();
    static void ClearSelection(IDataBase* db);
};
