// ApplyTextAttrCmd: applies a list of character attributes over a range of a story.
#include "TextCommand.h"
#include "TextImplementations.h"
#include "host/objectmodel/ClassRegistry.h"

namespace {
class ApplyTextAttrCmd final : public TextCommand {
public:
    explicit ApplyTextAttrCmd(IPMUnknown* boss) : TextCommand(boss) {}

protected:
    void Do() override {
        const TextCmdParameters& p = Parameters();
        ChangeAttributes(
            [&p](IAttributeStrand* strand, const RangeData& range) { strand->Apply(range, p.attributes); });
    }
    PMString* CreateName() override { return new PMString("Apply Text Attribute"); }
};
} // namespace

ImplementationDeclaration MakeApplyTextAttrCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(ApplyTextAttrCmd, id, false);
}
