// IStandOffModeCmdData: the text-wrap mode the stand-off command gives its items.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IStandOffModeCmdData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ISTANDOFFMODECMDDATA };
    virtual void SetMode(int32 mode) = 0;
    virtual int32 GetMode() const = 0;
};
