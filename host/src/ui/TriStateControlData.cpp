// TriStateControlData: the host's ITriStateControlData.
#include "WidgetNotify.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/ui/ITriStateControlData.h"

namespace {
ClassID MessageOf(ITriStateControlData::TriState state) {
    switch (state) {
    case ITriStateControlData::kSelected:
        return kTrueStateMessage;
    case ITriStateControlData::kUnselected:
        return kFalseStateMessage;
    case ITriStateControlData::kUnknown:
        break;
    }
    return kUnknownStateMessage;
}

class TriStateControlData final : public CPMUnknown<ITriStateControlData> {
public:
    explicit TriStateControlData(IPMUnknown* boss) : CPMUnknown<ITriStateControlData>(boss) {}
    void SetState(TriState state, bool16, bool16 notifyOfChange) override {
        if (state == fState)
            return;
        fState = state;
        if (notifyOfChange)
            NotifyWidgetChange(this, MessageOf(state), IID_ITRISTATECONTROLDATA, this);
    }
    TriState GetState() const override { return fState; }

private:
    TriState fState = kUnselected;
};
} // namespace

ImplementationDeclaration MakeTriStateControlDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(TriStateControlData, id, false);
}
