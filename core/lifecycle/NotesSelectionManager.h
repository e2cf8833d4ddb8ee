// NotesSelectionManager: the document's INotesSelectionManager. Setting a selection first takes
// the selection emphasis off every annotation of the document, then, by the popup display mode,
// shows exactly the selected annotations' popups (mode 2) or every popup (mode 0), and puts the
// emphasis on the selected annotations. While nothing but the manager's own painting changed the
// document since it last painted, the emphasis can only be on the annotations it painted, and only
// theirs is taken off: stepping from note to note in a book costs the notes stepped over, not the
// book's every annotation.
#pragma once

#include "INotesSelectionManager.h"
#include "host/objectmodel/CPMUnknown.h"

class IDocument;
class INotesAnnotsManager;
class INotesPopupOptions;

class NotesSelectionManager final : public CPMUnknown<INotesSelectionManager> {
public:
    explicit NotesSelectionManager(IPMUnknown* boss) : CPMUnknown<INotesSelectionManager>(boss) {}
    void SetSelectedAnnotations(const UIDList& annotations) override;
    void ClearSelectedAnnotations() override;
    UIDList GetSelectedAnnotations() override;

private:
    // Takes the emphasis off every annotation that may carry it.
    void ClearEmphasis(IDocument* document);

    UIDList fSelection;
    // The document's change count after the manager last painted; 0 before it first did.
    uint64 fChangeCountAfterPainting = 0;
};
