// RemoveOwnedItemCmd: takes an object out of a story's text; the object itself stays. Fails when
// the object is not anchored in the story.
#include "TextCommand.h"
#include "TextImplementations.h"
#include "host/commands/ErrorUtils.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/IItemStrand.h"

namespace {
class RemoveOwnedItemCmd final : public TextCommand {
public:
    explicit RemoveOwnedItemCmd(IPMUnknown* boss) : TextCommand(boss) {}

protected:
    void Do() override {
        InterfacePtr<IItemStrand> strand = QueryStory<IItemStrand>();
        const bool removed = strand && strand->RemoveOwnedItem(Parameters().item);
        ErrorUtils::PMSetGlobalErrorCode(removed ? kSuccess : kInvalidParameterError);
    }
    PMString* CreateName() override { return new PMString("Remove Owned Item"); }
};
} // namespace

ImplementationDeclaration MakeRemoveOwnedItemCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(RemoveOwnedItemCmd, id, false);
}
