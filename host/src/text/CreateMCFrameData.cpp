// CreateMCFrameData: the story a new text frame joins (command data, not stored).
#include "TextImplementations.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/ICreateMCFrameData.h"

namespace {
class CreateMCFrameData final : public CPMUnknown<ICreateMCFrameData> {
public:
    explicit CreateMCFrameData(IPMUnknown* boss) : CPMUnknown<ICreateMCFrameData>(boss) {}
    void SetStory(UID story) override { fStory = story; }
    UID GetStory() const override { return fStory; }

private:
    UID fStory = kInvalidUID;
};
} // namespace

ImplementationDeclaration MakeCreateMCFrameDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(CreateMCFrameData, id, false);
}
