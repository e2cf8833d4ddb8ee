// IEventHandler: a widget's own handling of events; kTrue when it handled the event, else the
// dispatcher hands it on to the enclosing widget.
#pragma once

#include "host/objectmodel/IPMUnknown.h"
#include "host/ui/IEvent.h"
#include "host/ui/UIIDs.h"

class IEventHandler : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IEVENTHANDLER };
    virtual bool16 KeyDown(IEvent* event) = 0;
    virtual bool16 KeyUp(IEvent* event) = 0;
    virtual bool16 LButtonDn(IEvent* event) = 0;
    virtual bool16 RButtonDn(IEvent* event) = 0;
    virtual bool16 ButtonDblClk(IEvent* event) = 0;
};
