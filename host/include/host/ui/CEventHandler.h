// CEventHandler: base of event handlers; it handles nothing, so events go on to the enclosing widget.
#pragma once

#include "host/objectmodel/CPMUnknown.h"
#include "host/ui/IEventHandler.h"

class CEventHandler : public CPMUnknown<IEventHandler> {
public:
    explicit CEventHandler(IPMUnknown* boss) : CPMUnknown<IEventHandler>(boss) {}
    bool16 KeyDown(IEvent*) override { return kFalse; }
    bool16 KeyUp(IEvent*) override { return kFalse; }
    bool16 LButtonDn(IEvent*) override { return kFalse; }
    bool16 RButtonDn(IEvent*) override { return kFalse; }
    bool16 ButtonDblClk(IEvent*) override { return kFalse; }
};

// The base of handlers on panels (a tree node's panel among them).
using PanelEventHandler = CEventHandler;
