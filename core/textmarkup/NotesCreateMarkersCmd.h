// NotesCreateMarkersCmd: makes the two marker objects of one text markup in a story's database
// (not yet anchored in its text) and links them as partners. Item list in: the story; integer
// data: the annotation type (3 to 8). Item list out: the new end marker.
#pragma once

#include "host/commands/Command.h"

class NotesCreateMarkersCmd final : public Command {
public:
    explicit NotesCreateMarkersCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override;
};
