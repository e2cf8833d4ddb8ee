// TextCmdData: holds a text command's parameters.
#include "ITextCmdData.h"
#include "TextImplementations.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"

namespace {
class TextCmdData final : public CPMUnknown<ITextCmdData> {
public:
    explicit TextCmdData(IPMUnknown* boss) : CPMUnknown<ITextCmdData>(boss) {}
    TextCmdParameters& Parameters() override { return fParameters; }

private:
    TextCmdParameters fParameters;
};
} // namespace

ImplementationDeclaration MakeTextCmdDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(TextCmdData, id, false);
}
