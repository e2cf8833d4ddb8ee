// IObserver: receives the changes of the subjects it is attached to.
#pragma once

#include "host/database/UIDList.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class ISubject;

// What a lazy notification carries: the objects changed since the last delivery (may be empty).
struct LazyNotificationData {
    UIDList changedItems;
};

class IObserver : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IOBSERVER };
    enum AttachmentType { kRegularAttachment = 1, kLazyAttachment = 2, kBothAttachments = 3 };

    // A regular notification: sent when the change happens.
    virtual void Update(ClassID theChange, ISubject* theSubject, PMIID protocol, void* changedBy) = 0;
    // A lazy notification: sent once after the outermost command that changed the protocol.
    virtual void LazyUpdate(ISubject* theSubject, PMIID protocol, const LazyNotificationData* data) = 0;
    virtual void AutoAttach() = 0;
    virtual void AutoDetach() = 0;
};
