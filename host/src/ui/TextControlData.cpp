// TextControlData: the host's ITextControlData.
#include "WidgetNotify.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/ui/ITextControlData.h"

namespace {
class TextControlData final : public CPMUnknown<ITextControlData> {
public:
    explicit TextControlData(IPMUnknown* boss) : CPMUnknown<ITextControlData>(boss) {}
    void SetString(const PMString& text, bool16, bool16 notifyOfChange) override {
        if (text == fText)
            return;
        fText = text;
        if (notifyOfChange)
            NotifyWidgetChange(this, kTextChangeStateMessage, IID_ITEXTCONTROLDATA, this);
    }
    PMString GetString() const override { return fText; }

private:
    PMString fText;
};
} // namespace

ImplementationDeclaration MakeTextControlDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(TextControlData, id, false);
}
