// Subject: the host's ISubject implementation, kept on documents and the application object.
#include <algorithm>
#include <vector>

#include "host/notify/ISubject.h"
#include "host/notify/NotificationQueue.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"

namespace {
class Subject final : public CPMUnknown<ISubject> {
public:
    explicit Subject(IPMUnknown* boss) : CPMUnknown<ISubject>(boss) {}
    ~Subject() override { NotificationQueue::Instance().ForgetSubject(this); }

    void AttachObserver(IObserver* observer, PMIID protocol, PMIID observerIID,
                        IObserver::AttachmentType type) override {
        if (observer && !IsAttached(observer, protocol, observerIID, type))
            fAttachments.push_back(Attachment{observer, protocol, observerIID, type});
    }

    void DetachObserver(IObserver* observer, PMIID protocol, PMIID observerIID,
                        IObserver::AttachmentType type) override {
        std::erase_if(fAttachments,
                      [&](const Attachment& a) { return a.Matches(observer, protocol, observerIID, type); });
    }

    bool16 IsAttached(IObserver* observer, PMIID protocol, PMIID observerIID,
                      IObserver::AttachmentType type) override {
        return std::any_of(fAttachments.begin(), fAttachments.end(), [&](const Attachment& a) {
            return a.Matches(observer, protocol, observerIID, type);
        });
    }

    void Change(ClassID theChange, PMIID protocol, void* changedBy) override {
        ModelChange(theChange, protocol, nullptr, changedBy);
    }

    void ModelChange(ClassID theChange, PMIID protocol, const UIDList* changedItems,
                     void* changedBy) override {
        // Observers may attach or detach while they are told; work on a copy and re-check each one.
        const std::vector<Attachment> snapshot = fAttachments;
        for (const Attachment& a : snapshot) {
            if (a.protocol != protocol || !IsAttached(a.observer, a.protocol, a.observerIID, a.type))
                continue;
            if (a.type & IObserver::kRegularAttachment)
                a.observer->Update(theChange, this, protocol, changedBy);
            if (a.type & IObserver::kLazyAttachment)
                NotificationQueue::Instance().Add(this, a.observer, protocol, changedItems);
        }
    }

    int32 CountObservers() const override { return static_cast<int32>(fAttachments.size()); }

private:
    struct Attachment {
        IObserver* observer;
        PMIID protocol;
        PMIID observerIID;
        IObserver::AttachmentType type;
        bool Matches(IObserver* o, PMIID p, PMIID iid, IObserver::AttachmentType t) const {
            return observer == o && protocol == p && observerIID == iid && type == t;
        }
    };
    std::vector<Attachment> fAttachments;
};
} // namespace

ImplementationDeclaration MakeSubjectImplementation(ImplementationID id) {
    return IMPLEMENTATION(Subject, id, false);
}
