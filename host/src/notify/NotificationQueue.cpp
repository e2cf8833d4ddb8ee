#include "host/notify/NotificationQueue.h"

#include <algorithm>

NotificationQueue& NotificationQueue::Instance() {
    static NotificationQueue queue;
    return queue;
}

void NotificationQueue::Add(ISubject* subject, IObserver* observer, PMIID protocol,
                            const UIDList* changedItems) {
    auto pending = std::find_if(fPending.begin(), fPending.end(), [&](const Pending& p) {
        return p.subject == subject && p.observer == observer && p.protocol == protocol;
    });
    if (pending == fPending.end()) {
        fPending.push_back(Pending{subject, observer, protocol, {}});
        pending = fPending.end() - 1;
    }
    if (changedItems) {
        if (pending->data.changedItems.GetDataBase() == nullptr)
            pending->data.changedItems = UIDList(changedItems->GetDataBase());
        for (UID uid : changedItems->GetUIDs())
            if (!pending->data.changedItems.Contains(uid))
                pending->data.changedItems.Append(uid);
    }
}

void NotificationQueue::Flush() {
    if (fFlushing)
        return;
    fFlushing = true;
    while (!fPending.empty()) {
        Pending next = fPending.front();
        fPending.erase(fPending.begin());
        next.observer->LazyUpdate(next.subject, next.protocol, &next.data);
    }
    fFlushing = false;
}

void NotificationQueue::Forget(const IObserver* observer) {
    std::erase_if(fPending, [&](const Pending& p) { return p.observer == observer; });
}

void NotificationQueue::ForgetSubject(const ISubject* subject) {
    std::erase_if(fPending, [&](const Pending& p) { return p.subject == subject; });
}
