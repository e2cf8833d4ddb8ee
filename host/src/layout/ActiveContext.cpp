// ActiveContext: the front document, its layout view and selection, as the document manager
// knows them. Nothing is kept here, so the answer never outlives a closed document.
#include "../objectmodel/HostImplementations.h"
#include "host/document/DocumentManager.h"
#include "host/layout/IActiveContext.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/selection/ISelectionManager.h"

namespace {
class ActiveContext final : public CPMUnknown<IActiveContext> {
public:
    explicit ActiveContext(IPMUnknown* boss) : CPMUnknown<IActiveContext>(boss) {}

    IDocument* GetContextDocument() const override { return DocumentManager::Instance().GetFrontDocument(); }
    IPMUnknown* GetContextView() const override {
        return DocumentManager::Instance().GetLayoutView(GetContextDocument());
    }
    ISelectionManager* GetContextSelection() const override {
        InterfacePtr<ISelectionManager> selection(GetContextView(), IID_ISELECTIONMANAGER);
        // The view holds the selection manager, so the answer lives as long as the view.
        return selection.get();
    }
};
} // namespace

ImplementationDeclaration MakeActiveContextImplementation(ImplementationID id) {
    return IMPLEMENTATION(ActiveContext, id, false);
}
