// ButtonControlData: IBooleanControlData of push buttons; a click is a message, never a lasting state.
#include "WidgetNotify.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/ui/IBooleanControlData.h"
#include "host/ui/IControlView.h"

namespace {
class ButtonControlData final : public CPMUnknown<IBooleanControlData> {
public:
    explicit ButtonControlData(IPMUnknown* boss) : CPMUnknown<IBooleanControlData>(boss) {}
    void Select(bool16, bool16 notifyOfChange) override {
        InterfacePtr<IControlView> view(this, IID_ICONTROLVIEW);
        if (view && !view->IsEnabled())
            return;
        if (notifyOfChange)
            NotifyWidgetChange(this, kTrueStateMessage, IID_IBOOLEANCONTROLDATA, this);
    }
    bool16 IsSelected() const override { return kFalse; }
};
} // namespace

ImplementationDeclaration MakeButtonControlDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(ButtonControlData, id, false);
}
