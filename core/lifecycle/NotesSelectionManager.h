// NotesSelectionManager: the document's INotesSelectionManager. Setting a selection first takes
// the selection emphasis off every annotation of the document, then, by the popup display mode,
// shows exactly the selected annotations' popups (mode 2) or every popup (mode 0), and puts the
// emphasis on the selected annotations.
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
    UIDList fSelection;
};
