// NotesSaveNoteContentCmd: replaces the note text of one annotation and keeps every other field.
#pragma once

#include "host/commands/Command.h"

class NotesSaveNoteContentCmd final : public Command {
public:
    explicit NotesSaveNoteContentCmd(IPMUnknown* boss);

protected:
    void Do() override;
    // Tells the document's observers (the Notes panel) that a note changed.
    void DoNotify() override;
    PMString* CreateName() override;
};
