// NotesTextEdit: one text edit proposed by a reviewer (a strike-through, a caret or a replacement)
// as it stands in its story now: its markers and the characters they hold, the text they mark and
// the note's text. Accepting and rejecting gather every edit of their list this way before they
// change anything, so that no edit's text moves under another's while they are looked at.
#pragma once

#include "NotesMarkedRun.h"
#include "host/util/PMString.h"
#include "host/util/WideString.h"

class NotesTextEdit {
public:
    // The edit whose end marker is annotation; false (logged) when it is no text edit or is not
    // anchored in a story.
    static bool Find(const UIDRef& annotation, NotesTextEdit* edit);

    // Characters from the first marked one to the last, both included.
    int32 Length() const { return run.end + 1 - run.start; }
    // Where a caret's text goes: before the marked character, or after it when the caret stands
    // before a paragraph return (its markers then hold the character before the return).
    TextIndex InsertionPoint() const { return run.caretLast ? run.start + 1 : run.start; }
    // How many marked characters a deletion may take: all but a story thread's final return,
    // which no edit removes.
    int32 DeletableLength() const;

    NotesMarkedRun run;
    WideString oldText; // the marked characters
    PMString content;   // the note's text, never translated
};
