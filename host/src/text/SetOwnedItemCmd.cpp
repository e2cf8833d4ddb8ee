// SetOwnedItemCmd: anchors an object at a character of a story (moving it if it is anchored).
#include "TextCommand.h"
#include "TextImplementations.h"
#include "host/commands/ErrorUtils.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/IItemStrand.h"
#include "host/text/ITextModel.h"

namespace {
class SetOwnedItemCmd final : public TextCommand {
public:
    explicit SetOwnedItemCmd(IPMUnknown* boss) : TextCommand(boss) {}

protected:
    void Do() override {
        InterfacePtr<ITextModel> model = QueryStory<ITextModel>();
        InterfacePtr<IItemStrand> strand = QueryStory<IItemStrand>();
        const TextCmdParameters& p = Parameters();
        if (!model || !strand || p.position < 0 || p.position >= model->TotalLength() ||
            !fItemList.GetDataBase()->IsValidUID(p.item)) {
            ErrorUtils::PMSetGlobalErrorCode(kInvalidParameterError);
            return;
        }
        strand->SetOwnedItem(p.position, p.item, p.itemClass);
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
    PMString* CreateName() override { return new PMString("Set Owned Item"); }
};
} // namespace

ImplementationDeclaration MakeSetOwnedItemCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(SetOwnedItemCmd, id, false);
}
