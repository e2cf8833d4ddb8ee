// DropDownListController: the host's IDropDownListController.
#include "WidgetNotify.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/ui/IDropDownListController.h"
#include "host/ui/IStringListControlData.h"

namespace {
class DropDownListController final : public CPMUnknown<IDropDownListController> {
public:
    explicit DropDownListController(IPMUnknown* boss) : CPMUnknown<IDropDownListController>(boss) {}

    void Select(int32 index, bool16, bool16 notifyOfChange) override {
        InterfacePtr<IStringListControlData> list(this, IID_ISTRINGLISTCONTROLDATA);
        const int32 length = list ? list->Length() : 0;
        if (index < kNoSelection || index >= length || index == fSelected)
            return;
        fSelected = index;
        if (notifyOfChange)
            NotifyWidgetChange(this, kPopupChangeStateMessage, IID_ISTRINGLISTCONTROLDATA, this);
    }
    int32 GetSelected() const override { return fSelected; }

    void ListChanged(int32 index, int32 count) override {
        if (fSelected < index)
            return;
        if (count < 0 && fSelected < index - count)
            fSelected = kNoSelection; // the chosen entry went
        else
            fSelected += count;
    }

private:
    int32 fSelected = kNoSelection;
};
} // namespace

ImplementationDeclaration MakeDropDownListControllerImplementation(ImplementationID id) {
    return IMPLEMENTATION(DropDownListController, id, false);
}
