// ToolkitEvents: hands the user's gestures to the host's event dispatcher, as the headless UI
// toolkit's plug-ins expect them (watchers first, then the target's event handlers).
#pragma once

#include <QString>

#include "host/ui/IEvent.h"

class IPMUnknown;

class ToolkitEvents {
public:
    // Dispatches one event on the target (a widget, or a layout view with the point in pasteboard
    // coordinates); true when a watcher consumed it or a handler handled it.
    static bool Dispatch(IEvent::EventType type, IPMUnknown* target, const PMPoint& where = PMPoint(),
                         char16_t key = 0, bool shift = false);
    // What typing into an edit box does: the box takes the whole text, then hears the key released
    // (the last character typed, or none when the text was cut to nothing).
    static void Type(IPMUnknown* editBox, const QString& text);
};
