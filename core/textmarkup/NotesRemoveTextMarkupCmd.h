// NotesRemoveTextMarkupCmd: takes text markups out of their stories: both markers leave the text,
// the kind's attribute and any selection emphasis are cleared from the run, and the two marker
// objects are deleted. The text itself is unchanged. Item list in: end markers.
#pragma once

#include "host/commands/Command.h"

class NotesRemoveTextMarkupCmd final : public Command {
public:
    explicit NotesRemoveTextMarkupCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override;
    PMString* CreateName() override;

private:
    static bool Remove(const UIDRef& endMarker);
};
