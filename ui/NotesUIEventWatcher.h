// NotesUIEventWatcher (installed while the Notes panel is shown): while the panel's create-note
// toggle is on, a mouse-down in the layout view schedules a new sticky note at the click. The
// document observer then switches the toggle off and shows the note, ready to be typed.
#pragma once

#include "host/objectmodel/CPMUnknown.h"
#include "host/ui/IEventWatcher.h"

class NotesUIEventWatcher final : public CPMUnknown<IEventWatcher> {
public:
    explicit NotesUIEventWatcher(IPMUnknown* boss) : CPMUnknown<IEventWatcher>(boss) {}
    bool16 WatchEvent(IEvent* event) override;

private:
    static bool IsCreatingNotes();
};
