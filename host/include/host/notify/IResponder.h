// IResponder: reacts to a signal (such as a document being opened) it registered for.
#pragma once

#include "host/database/UIDRef.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

// What a document signal tells its responders.
class ISignalMgr {
public:
    virtual ~ISignalMgr() = default;
    virtual ServiceID GetServiceID() const = 0;
    // The document the signal is about (its root object).
    virtual UIDRef GetDocument() const = 0;
};

class IResponder : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IRESPONDER };
    virtual void Respond(ISignalMgr* signalMgr) = 0;
};
