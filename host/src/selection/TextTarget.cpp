// TextTarget: the story and range of a text concrete-suite object.
#include "../document/Query.h"
#include "../objectmodel/HostImplementations.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/selection/ITextTarget.h"
#include "host/text/ITextModel.h"

namespace {
class TextTarget final : public CPMUnknown<ITextTarget> {
public:
    explicit TextTarget(IPMUnknown* boss) : CPMUnknown<ITextTarget>(boss) {}

    UIDRef GetTextModelRef() const override { return fTextModel; }
    ITextModel* QueryTextModel() const override { return Query::Get<ITextModel>(fTextModel).forget(); }
    RangeData GetRange(uint32* threadKey) const override {
        if (threadKey)
            *threadKey = fThreadKey;
        return fRange;
    }
    bool16 IsInsertionPoint() const override { return fRange.IsEmpty(); }
    void SetTarget(const UIDRef& textModel, const RangeData& range, uint32 threadKey) override {
        fTextModel = textModel;
        fRange = range;
        fThreadKey = threadKey;
    }

private:
    UIDRef fTextModel;
    RangeData fRange;
    uint32 fThreadKey = 0;
};
} // namespace

ImplementationDeclaration MakeTextTargetImplementation(ImplementationID id) {
    return IMPLEMENTATION(TextTarget, id, false);
}
