// IBooleanControlData: a push button. Select is a click: observers get kTrueStateMessage under
// IID_IBOOLEANCONTROLDATA and the button springs back; a disabled button ignores clicks.
#pragma once

#include "host/objectmodel/IPMUnknown.h"
#include "host/ui/UIIDs.h"

class IBooleanControlData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IBOOLEANCONTROLDATA };
    virtual void Select(bool16 invalidate = kTrue, bool16 notifyOfChange = kTrue) = 0;
    // A push button is never left pressed.
    virtual bool16 IsSelected() const = 0;
};
