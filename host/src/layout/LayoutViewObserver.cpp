// LayoutViewObserver: watches the view's document so that the selection never names a deleted
// object: after a delete (hierarchy protocol) and after undo or redo (document protocol), which
// may remove objects the selection holds, the selection drops them.
#include "../objectmodel/HostImplementations.h"
#include "host/document/IDocument.h"
#include "host/layout/ILayoutControlData.h"
#include "host/notify/CObserver.h"
#include "host/notify/ISubject.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/selection/ISelectionManager.h"

namespace {
constexpr PMIID kWatchedProtocols[] = {IID_IHIERARCHY_DOCUMENT, IID_IDOCUMENT_PROTOCOL};

class LayoutViewObserver final : public CObserver {
public:
    explicit LayoutViewObserver(IPMUnknown* boss) : CObserver(boss) {}

    void AutoAttach() override {
        fSubject = QueryDocumentSubject();
        for (PMIID protocol : kWatchedProtocols)
            if (fSubject)
                fSubject->AttachObserver(this, protocol);
    }
    void AutoDetach() override {
        for (PMIID protocol : kWatchedProtocols)
            if (fSubject)
                fSubject->DetachObserver(this, protocol);
        fSubject.reset();
    }
    void Update(ClassID theChange, ISubject*, PMIID, void*) override {
        if (theChange == kBeforeDeleteChangeClass)
            return; // the items are still there; the change after the delete follows
        if (InterfacePtr<ISelectionManager> selection{this, IID_ISELECTIONMANAGER})
            selection->DropMissingItems();
    }

private:
    InterfacePtr<ISubject> QueryDocumentSubject() const {
        InterfacePtr<ILayoutControlData> view(this, IID_ILAYOUTCONTROLDATA);
        return InterfacePtr<ISubject>(view ? view->GetDocument() : nullptr, IID_ISUBJECT);
    }
    InterfacePtr<ISubject> fSubject;
};
} // namespace

ImplementationDeclaration MakeLayoutViewObserverImplementation(ImplementationID id) {
    return IMPLEMENTATION(LayoutViewObserver, id, false);
}
