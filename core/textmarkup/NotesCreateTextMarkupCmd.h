// NotesCreateTextMarkupCmd: makes a text markup from its record: the markup's quadrilaterals (or
// caret) on the spread of the given spread layer are located in the stories' text, and each
// located run gets its two markers, the record and the popup reference on its end marker. The
// markers are anchored later by the set-text-markup command. Item list in: the spread layer;
// data: the record and the popup reference. Item list out: the end markers made (none when no
// text lies under the markup, or when the same markup already marks the same characters).
#pragma once

#include "host/commands/Command.h"
#include "host/database/UIDRef.h"
#include "host/text/RangeData.h"

class INotesAnnotation;

class NotesCreateTextMarkupCmd final : public Command {
public:
    explicit NotesCreateTextMarkupCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override;
    PMString* CreateName() override;

private:
    // One marked run: its end marker, or kInvalidUID when it was not made.
    UID CreateMarkedRun(const UIDRef& story, RangeData range, const INotesAnnotation* record);
    // The record and the popup reference on a new end marker.
    bool FillEndMarker(const UIDRef& endMarker, const INotesAnnotation* record);
    // Whether a marker of the kind already sits on the run's first or last character.
    static bool IsDuplicate(const UIDRef& story, RangeData range, ClassID endClass, bool caret);
};
