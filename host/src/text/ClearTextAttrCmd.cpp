// ClearTextAttrCmd: removes the character attribute of one class from a range of a story.
#include "TextCommand.h"
#include "TextImplementations.h"
#include "host/commands/ErrorUtils.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/IAttributeStrand.h"
#include "host/text/ITextModel.h"

namespace {
class ClearTextAttrCmd final : public TextCommand {
public:
    explicit ClearTextAttrCmd(IPMUnknown* boss) : TextCommand(boss) {}

protected:
    void Do() override {
        InterfacePtr<ITextModel> model = QueryStory<ITextModel>();
        InterfacePtr<IAttributeStrand> strand = QueryStory<IAttributeStrand>();
        const TextCmdParameters& p = Parameters();
        const RangeData range(p.position, p.position + p.length);
        if (!strand || !RangeFits(model, p)) {
            ErrorUtils::PMSetGlobalErrorCode(kInvalidParameterError);
            return;
        }
        strand->Clear(range, p.itemClass);
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
    PMString* CreateName() override { return new PMString("Clear Text Attribute"); }
};
} // namespace

ImplementationDeclaration MakeClearTextAttrCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(ClearTextAttrCmd, id, false);
}
