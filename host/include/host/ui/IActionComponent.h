// IActionComponent: performs the actions a plug-in declared and answers their states.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IActionComponent : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IACTIONCOMPONENT };
    virtual void DoAction(ActionID actionID) = 0;
    // Whether the action can run now.
    virtual bool16 IsEnabled(ActionID actionID) = 0;
};
