// NotesRejectRedactionCmd: drops text edits and leaves their text as it is: the markers, the
// kind's attribute and the annotation go. With the convert-to-highlight option on, a highlight
// noted "Rejected text: " and the refused text (nothing for a strike-through) marks the
// characters the edit marked. One undo step.
#pragma once

#include "NotesTextEditCmd.h"

class NotesRejectRedactionCmd final : public NotesTextEditCmd {
public:
    explicit NotesRejectRedactionCmd(IPMUnknown* boss) : NotesTextEditCmd(boss) {}

protected:
    bool Settle(const NotesTextEdit& edit) override;
    PMString* CreateName() override;
};
