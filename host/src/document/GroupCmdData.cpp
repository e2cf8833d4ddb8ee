// GroupCmdData: the parent the group command puts the group under.
#include "../objectmodel/HostImplementations.h"
#include "host/document/IGroupCmdData.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class GroupCmdData final : public CPMUnknown<IGroupCmdData> {
public:
    explicit GroupCmdData(IPMUnknown* boss) : CPMUnknown<IGroupCmdData>(boss) {}
    void SetTargetParent(UID parent) override { fParent = parent; }
    UID GetTargetParent() const override { return fParent; }

private:
    UID fParent = kInvalidUID;
};
} // namespace

ImplementationDeclaration MakeGroupCmdDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(GroupCmdData, id, false);
}
