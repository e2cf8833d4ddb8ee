// IEventWatcher: sees events before any widget does; kTrue consumes the event.
#pragma once

#include "host/objectmodel/IPMUnknown.h"
#include "host/ui/IEvent.h"
#include "host/ui/UIIDs.h"

class IEventWatcher : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IEVENTWATCHER };
    virtual bool16 WatchEvent(IEvent* event) = 0;
};
