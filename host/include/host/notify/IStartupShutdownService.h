// IStartupShutdownService: work a plug-in does once the application has loaded every plug-in, and
// undoes before they are unloaded. Its class serves kStartupShutdownService.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IStartupShutdownService : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ISTARTUPSHUTDOWN };
    virtual void Startup() = 0;
    virtual void Shutdown() = 0;
};
