// ApplyTextAttrCmd: applies a list of character attributes over a range of a story.
#include "TextCommand.h"
#include "TextImplementations.h"
#include "host/commands/ErrorUtils.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/IAttributeStrand.h"
#include "host/text/ITextModel.h"

namespace {
class ApplyTextAttrCmd final : public TextCommand {
public:
    explicit ApplyTextAttrCmd(IPMUnknown* boss) : TextCommand(boss) {}

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
        strand->Apply(range, p.attributes);
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
    PMString* CreateName() override { return new PMString("Apply Text Attribute"); }
};
} // namespace

ImplementationDeclaration MakeApplyTextAttrCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(ApplyTextAttrCmd, id, false);
}
