// ISubject: an object observers attach to by protocol (an interface ID).
#pragma once

#include "host/notify/IObserver.h"

class ISubject : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ISUBJECT };

    // Attaches once; a second attach of the same observer, protocol and type is ignored.
    virtual void AttachObserver(IObserver* observer, PMIID protocol, PMIID observerIID = IID_IOBSERVER,
                                IObserver::AttachmentType type = IObserver::kRegularAttachment) = 0;
    virtual void DetachObserver(IObserver* observer, PMIID protocol, PMIID observerIID = IID_IOBSERVER,
                                IObserver::AttachmentType type = IObserver::kRegularAttachment) = 0;
    virtual bool16 IsAttached(IObserver* observer, PMIID protocol, PMIID observerIID = IID_IOBSERVER,
                              IObserver::AttachmentType type = IObserver::kRegularAttachment) = 0;
    // Tells the regular observers of the protocol now and queues a lazy notification for the lazy ones.
    virtual void Change(ClassID theChange, PMIID protocol, void* changedBy = nullptr) = 0;
    // As Change, and the changed objects travel with the lazy notification.
    virtual void ModelChange(ClassID theChange, PMIID protocol, const UIDList* changedItems,
                             void* changedBy = nullptr) = 0;
    virtual int32 CountObservers() const = 0;
};
