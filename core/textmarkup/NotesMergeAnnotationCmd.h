// NotesMergeAnnotationCmd: joins a strike-through and a caret that stands inside its struck text or
// right after it into one replacement (a redaction over the struck characters) that carries the
// caret's note, colour, author and date and keeps one of their popups; the two annotations go.
// Everything is checked before anything changes, and the replacement is anchored before the two
// are deleted, so a pair that cannot be joined stays as it was. The pages' annotation lists are
// not looked up: the command's notification and its caller (the import) refresh them. Item list
// in: the strike-through; UID data: the caret. Item list out: the replacement.
#pragma once

#include "host/commands/Command.h"
#include "host/database/UIDRef.h"

class NotesMarkedRun;

class NotesMergeAnnotationCmd final : public Command {
public:
    explicit NotesMergeAnnotationCmd(IPMUnknown* boss) : Command(boss) {}

    // Whether a caret's run stands where it can join a strike-through's run: both anchored in the
    // same story, the caret's character from the first struck one to the one after the last.
    static bool CanJoin(const NotesMarkedRun& strikeThru, const NotesMarkedRun& caret);

protected:
    void Do() override;
    void DoNotify() override;
    PMString* CreateName() override;

private:
    // The replacement's markers and record, not yet anchored; kInvalidUID when they cannot be made.
    static UID MakeReplacement(const NotesMarkedRun& strikeThru, const UIDRef& strikeRef,
                               const UIDRef& caretRef);
    // Hands the caret's popup (else the strike-through's) over to the replacement; answers the
    // strike-through's popup when the caret's was kept, which is left to delete.
    static UID KeepPopup(const UIDRef& strikeRef, const UIDRef& caretRef, const UIDRef& replacement);
    // Removes the two joined markups and the popup left over.
    static bool RemovePair(const UIDRef& strikeRef, const UIDRef& caretRef, UID leftPopup);
    static bool IsFree(const NotesMarkedRun& strikeThru);
};
