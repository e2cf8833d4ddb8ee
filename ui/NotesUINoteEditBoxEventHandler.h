// NotesUINoteEditBoxEventHandler (on the note edit box): saves the note as the user types. Each key
// release that leaves the box's text different from the selected note's makes one save command;
// the saves of one run of typing into one note are a single undo step.
#pragma once

#include "host/database/UIDRef.h"
#include "host/ui/CEventHandler.h"
#include "host/util/PMString.h"

class NotesUINoteEditBoxEventHandler final : public CEventHandler {
public:
    explicit NotesUINoteEditBoxEventHandler(IPMUnknown* boss) : CEventHandler(boss) {}
    // Lets the key go on to the enclosing widgets: the box's own handling is the front end's.
    bool16 KeyUp(IEvent* event) override;

private:
    void SaveNote(const UIDRef& annotation, const PMString& text);
    // The run of typing the last save belongs to: its note and the document's change count after it.
    UIDRef fTypedNote;
    uint64 fChangeCountAfterSave = 0;
};
