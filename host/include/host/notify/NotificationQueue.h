// NotificationQueue: lazy notifications waiting for the end of the outermost command.
#pragma once

#include <vector>

#include "host/notify/IObserver.h"

class NotificationQueue {
public:
    static NotificationQueue& Instance();
    // Queues one lazy notification per observer and protocol; changed objects accumulate.
    void Add(ISubject* subject, IObserver* observer, PMIID protocol, const UIDList* changedItems);
    // Delivers everything queued (also what is queued while delivering).
    void Flush();
    // Drops what is queued for an observer or a subject that goes away.
    void Forget(const IObserver* observer);
    void ForgetSubject(const ISubject* subject);

private:
    struct Pending {
        ISubject* subject;
        IObserver* observer;
        PMIID protocol;
        LazyNotificationData data;
    };
    std::vector<Pending> fPending;
    bool fFlushing = false;
};
