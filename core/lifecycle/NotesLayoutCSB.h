// NotesLayoutCSB: the layout selection suite on the host's layout selection: the annotations
// behind the selected page items. An annotation page item stands for itself, a popup for the
// annotation it belongs to, and a part of a free-text annotation (its callout line, or the group
// that holds it) for that free-text annotation.
#pragma once

#include "INotesSelectionSuite.h"
#include "host/database/UIDRef.h"
#include "host/objectmodel/CPMUnknown.h"

class NotesLayoutCSB final : public CPMUnknown<INotesSelectionSuite> {
public:
    explicit NotesLayoutCSB(IPMUnknown* boss) : CPMUnknown<INotesSelectionSuite>(boss) {}
    bool16 HasAnnotations() override;
    ErrorCode GetAnnotations(UIDList& annotations) override;

private:
    UIDList SelectedItems() const;
    // The annotation a selected page item stands for; kInvalidUID when none.
    static UID AnnotationOf(const UIDRef& item);
    // The free-text annotation an item is part of: its parent, a child of a group it is, or a
    // sibling in the group it lies in; kInvalidUID when none.
    static UID FreeTextAnnotationOf(const UIDRef& item);
};
