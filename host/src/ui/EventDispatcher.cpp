// EventDispatcher: the host's IEventDispatcher.
#include <algorithm>
#include <vector>

#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/ui/IControlView.h"
#include "host/ui/IEventDispatcher.h"
#include "host/ui/IEventHandler.h"
#include "host/ui/IEventWatcher.h"

namespace {
const Boss* BossOf(const IPMUnknown* unknown) {
    return unknown ? Boss::FromUnknown(unknown) : nullptr;
}

bool16 Deliver(IEventHandler* handler, IEvent* event) {
    switch (event->GetType()) {
    case IEvent::kKeyDown:
        return handler->KeyDown(event);
    case IEvent::kKeyUp:
        return handler->KeyUp(event);
    case IEvent::kLButtonDn:
        return handler->LButtonDn(event);
    case IEvent::kRButtonDn:
        return handler->RButtonDn(event);
    case IEvent::kDoubleClick:
        return handler->ButtonDblClk(event);
    case IEvent::kNull:
    case IEvent::kLButtonUp:
        break;
    }
    return kFalse;
}

class EventDispatcher final : public CPMUnknown<IEventDispatcher> {
public:
    explicit EventDispatcher(IPMUnknown* boss) : CPMUnknown<IEventDispatcher>(boss) {}

    void AddEventWatcher(IEventWatcher* watcher, IPMUnknown* scope) override {
        if (!watcher)
            return;
        watcher->AddRef(); // held as it is, whatever object carries it
        fWatchers.push_back(Watcher{InterfacePtr<IEventWatcher>(watcher), BossOf(scope)});
    }
    void RemoveEventWatcher(IEventWatcher* watcher) override {
        std::erase_if(fWatchers, [&](const Watcher& w) { return w.watcher.get() == watcher; });
    }
    int32 CountEventWatchers() const override { return static_cast<int32>(fWatchers.size()); }

    bool16 DispatchEvent(IEvent* event, IPMUnknown* target) override {
        InterfacePtr<IControlView> view(target, IID_ICONTROLVIEW);
        event->SetTarget(view.get());
        const std::vector<const Boss*> chain = ChainOf(target, view.get());
        const std::vector<Watcher> watchers = fWatchers; // a watcher may remove itself
        for (const Watcher& w : watchers)
            if (!w.scope || std::find(chain.begin(), chain.end(), w.scope) != chain.end())
                if (w.watcher->WatchEvent(event))
                    return kTrue;
        for (const Boss* boss : chain) {
            InterfacePtr<IEventHandler> handler(boss, IID_IEVENTHANDLER);
            if (handler && Deliver(handler, event))
                return kTrue;
        }
        return kFalse;
    }

private:
    struct Watcher {
        InterfacePtr<IEventWatcher> watcher;
        const Boss* scope;
    };
    // The target, then the widgets enclosing it.
    static std::vector<const Boss*> ChainOf(const IPMUnknown* target, IControlView* view) {
        std::vector<const Boss*> chain{BossOf(target)};
        for (IControlView* parent = view ? view->GetParentView() : nullptr; parent;
             parent = parent->GetParentView())
            chain.push_back(BossOf(parent));
        return chain;
    }
    std::vector<Watcher> fWatchers;
};
} // namespace

ImplementationDeclaration MakeEventDispatcherImplementation(ImplementationID id) {
    return IMPLEMENTATION(EventDispatcher, id, false);
}
