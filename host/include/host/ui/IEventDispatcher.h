// IEventDispatcher (on the application object): routes a front end's events. Watchers come first, in
// the order installed; one that consumes the event ends it. Then the target's IEventHandler, then
// those of its enclosing widgets, until one handles it.
#pragma once

#include "host/objectmodel/IPMUnknown.h"
#include "host/ui/IEvent.h"
#include "host/ui/UIIDs.h"

class IEventWatcher;

class IEventDispatcher : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IEVENTDISPATCHER };
    // Holds the watcher. It sees events on the scope object (a widget, with the widgets inside it,
    // or the layout view) or, with no scope, every event.
    virtual void AddEventWatcher(IEventWatcher* watcher, IPMUnknown* scope = nullptr) = 0;
    virtual void RemoveEventWatcher(IEventWatcher* watcher) = 0;
    virtual int32 CountEventWatchers() const = 0;
    // Delivers the event happening on the target (a widget or the layout view); kTrue when consumed
    // or handled.
    virtual bool16 DispatchEvent(IEvent* event, IPMUnknown* target) = 0;
};
