// ClearTextAttrCmd: removes the character attribute of one class from a range of a story.
#include "TextCommand.h"
#include "TextImplementations.h"
#include "host/objectmodel/ClassRegistry.h"

namespace {
class ClearTextAttrCmd final : public TextCommand {
public:
    explicit ClearTextAttrCmd(IPMUnknown* boss) : TextCommand(boss) {}

protected:
    void Do() override {
        const TextCmdParameters& p = Parameters();
        ChangeAttributes(
            [&p](IAttributeStrand* strand, const RangeData& range) { strand->Clear(range, p.itemClass); });
    }
    PMString* CreateName() override { return new PMString("Clear Text Attribute"); }
};
} // namespace

ImplementationDeclaration MakeClearTextAttrCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(ClearTextAttrCmd, id, false);
}
