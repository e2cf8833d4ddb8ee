// NotesUIDocumentObserver (on the document, IID_INOTESUIDOCUMENTOBSERVER): keeps the Notes tree in
// step with its document between the rebuilds the command-processor observer makes at the end of
// each step. While the document is the front one and the panel is shown, annotation page items that
// a delete command is about to remove leave the tree before they go; and a new sticky note is shown
// in the panel, selected.
#pragma once

#include "host/notify/CObserver.h"

class ICommand;

class NotesUIDocumentObserver final : public CObserver {
public:
    explicit NotesUIDocumentObserver(IPMUnknown* boss);
    // Leaves the application's subject, which outlives the document.
    ~NotesUIDocumentObserver() override;
    void AutoAttach() override;
    void AutoDetach() override;
    void Update(ClassID theChange, ISubject* theSubject, PMIID protocol, void* changedBy) override;

private:
    bool IsFrontDocument() const;
    // Before a delete command removes page items: the annotations among them (popups aside) hide
    // their popups, their pages' lists are invalidated and their nodes leave the tree.
    void BeforeDelete(const ICommand* deleteCmd) const;
    // After a new sticky note made by a click: the create-note toggle goes off and the panel shows the
    // note, selected, ready for its text.
    static void NewStickyNoteDone(const ICommand* newStickyNoteCmd);
};
