// LayoutTarget: the page items of a layout concrete-suite object.
#include "../objectmodel/HostImplementations.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/selection/ILayoutTarget.h"

namespace {
class LayoutTarget final : public CPMUnknown<ILayoutTarget> {
public:
    explicit LayoutTarget(IPMUnknown* boss) : CPMUnknown<ILayoutTarget>(boss) {}
    UIDList GetItemList() const override { return fItems; }
    void SetItemList(const UIDList& items) override { fItems = items; }

private:
    UIDList fItems;
};
} // namespace

ImplementationDeclaration MakeLayoutTargetImplementation(ImplementationID id) {
    return IMPLEMENTATION(LayoutTarget, id, false);
}
