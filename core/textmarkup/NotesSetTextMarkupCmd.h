// NotesSetTextMarkupCmd: anchors made text markups in their stories' text: the start marker at
// the run's first character, the end marker at its last (both on the one character of a caret:
// the character after the insertion point, or the one before it when the caret stands before a
// paragraph return), and the kind's character attribute, naming the end marker, over the run.
// A markup whose run is no longer in its story, or whose kind already marks the same first or
// last character, is deleted instead. Item list in: end markers; out: those anchored.
#pragma once

#include "host/commands/Command.h"

class NotesSetTextMarkupCmd final : public Command {
public:
    explicit NotesSetTextMarkupCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override;

private:
    // Anchors one markup; false when it was deleted or skipped.
    bool Insert(const UIDRef& endMarker);
};
