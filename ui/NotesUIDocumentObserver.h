// NotesUIDocumentObserver (on the document, IID_INOTESUIDOCUMENTOBSERVER): keeps the Notes tree in
// step with its document. While the document is the front one and the panel is shown, the tree is
// rebuilt when annotation records or page lists announce a change and after every undo step the
// command processor reports done, undone or redone (after an undo or redo the page lists are
// invalidated first, since the step may have brought annotations back or taken them away).
#pragma once

#include "host/notify/CObserver.h"

class NotesUIDocumentObserver final : public CObserver {
public:
    explicit NotesUIDocumentObserver(IPMUnknown* boss);
    void AutoAttach() override;
    void AutoDetach() override;
    void Update(ClassID theChange, ISubject* theSubject, PMIID protocol, void* changedBy) override;

private:
    bool IsFrontDocument() const;
    void InvalidateAnnotationLists() const;
};
