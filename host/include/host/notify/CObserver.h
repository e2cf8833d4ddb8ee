// CObserver: base of observer implementations; every operation does nothing unless overridden.
#pragma once

#include "host/notify/IObserver.h"
#include "host/notify/NotificationQueue.h"
#include "host/objectmodel/CPMUnknown.h"

class CObserver : public CPMUnknown<IObserver> {
public:
    explicit CObserver(IPMUnknown* boss, PMIID observerIID = IID_IOBSERVER)
        : CPMUnknown<IObserver>(boss), fObserverIID(observerIID) {}
    ~CObserver() override { NotificationQueue::Instance().Forget(this); }
    void Update(ClassID, ISubject*, PMIID, void*) override {}
    void LazyUpdate(ISubject*, PMIID, const LazyNotificationData*) override {}
    void AutoAttach() override {}
    void AutoDetach() override {}
    PMIID GetObserverIID() const { return fObserverIID; }

private:
    PMIID fObserverIID;
};
