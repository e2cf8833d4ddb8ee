// KeyBoard: the host's IKeyBoard, the keyboard focus of the application.
#include "WidgetNotify.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/ui/IControlView.h"
#include "host/ui/IKeyBoard.h"

namespace {
class KeyBoard final : public CPMUnknown<IKeyBoard> {
public:
    explicit KeyBoard(IPMUnknown* boss) : CPMUnknown<IKeyBoard>(boss) {}
    bool16 SetKeyFocus(IControlView* widget) override {
        if (widget && (!widget->IsEnabled() || !widget->IsVisible()))
            return kFalse;
        if (widget == fFocus.get())
            return kTrue;
        fFocus = InterfacePtr<IControlView>(widget, IID_ICONTROLVIEW);
        NotifyWidgetChange(this, kKeyFocusChangedMessage, IID_IKEYBOARD, widget);
        return kTrue;
    }
    IControlView* GetKeyFocus() const override { return fFocus.get(); }

private:
    InterfacePtr<IControlView> fFocus;
};
} // namespace

ImplementationDeclaration MakeKeyBoardImplementation(ImplementationID id) {
    return IMPLEMENTATION(KeyBoard, id, false);
}
