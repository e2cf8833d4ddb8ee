// NotesCreateStickyNoteCmd: makes a sticky-note page item under the given spread layer from the
// command's annotation record: a rectangle spanned by the record's two points, filled with the
// record's swatch, without text wrap, locked, carrying the record and the popup reference.
#pragma once

#include "host/commands/Command.h"

class INotesAnnotation;

class NotesCreateStickyNoteCmd final : public Command {
public:
    explicit NotesCreateStickyNoteCmd(IPMUnknown* boss) : Command(boss) {}

    // Turns text wrap off for the item (the stand-off command with mode 0); logged when it fails.
    static bool SetNoTextWrap(const UIDRef& item);

protected:
    void Do() override;
    PMString* CreateName() override;

private:
    bool SetFillColor(const UIDRef& note, UID swatch);
    bool SetPopupReferenceAndLocks(const UIDRef& note);
};
