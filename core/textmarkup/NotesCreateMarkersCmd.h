// NotesCreateMarkersCmd: makes the two marker objects of one text markup in a story's database
// (not yet anchored in its text) and links them as partners. Item list in: the story; integer
// data: the annotation type (3 to 8). Item list out: the new end marker.
#pragma once

#include "host/commands/Command.h"
#include "host/database/UIDRef.h"
#include "host/text/RangeData.h"

class NotesCreateMarkersCmd final : public Command {
public:
    explicit NotesCreateMarkersCmd(IPMUnknown* boss) : Command(boss) {}

    // Processes the command for a story and type and gives the new end marker the run's range and
    // story; the end marker, or an empty reference (logged) when it could not be made.
    static UIDRef Make(const UIDRef& story, int32 type, RangeData range);
    // Deletes both markers of a run that could not be completed.
    static void Drop(const UIDRef& endMarker);

protected:
    void Do() override;
};
