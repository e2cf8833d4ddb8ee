// DialogMgr: the host's IDialogMgr.
#include <algorithm>
#include <vector>

#include "WidgetNotify.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/ui/IControlView.h"
#include "host/ui/IDialog.h"
#include "host/ui/IDialogMgr.h"
#include "host/ui/WidgetResources.h"

namespace {
class DialogMgr final : public CPMUnknown<IDialogMgr> {
public:
    explicit DialogMgr(IPMUnknown* boss) : CPMUnknown<IDialogMgr>(boss) {}

    IDialog* CreateNewDialog(PluginID plugin, int32 rsrcID) override {
        const WidgetResourceDeclaration* resource = WidgetResources::Instance().Find(plugin, rsrcID);
        if (!resource || resource->kind != WidgetResourceDeclaration::kDialog)
            return nullptr;
        InterfacePtr<IControlView> view(WidgetResources::CreateWidgets(resource->root));
        if (!view)
            return nullptr;
        view->Hide();
        return InterfacePtr<IDialog>(view, IID_IDIALOG).forget();
    }

    std::vector<IDialog*> GetOpenDialogs() const override {
        std::vector<IDialog*> open;
        for (const InterfacePtr<IDialog>& dialog : fOpen)
            open.push_back(dialog.get());
        return open;
    }

    void DialogOpened(IDialog* dialog) override {
        fOpen.emplace_back(dialog, IID_IDIALOG);
        NotifyWidgetChange(this, kDialogOpenedMessage, IID_IDIALOGMGR, dialog);
    }

    void DialogClosed(IDialog* dialog) override {
        InterfacePtr<IDialog> hold(dialog, IID_IDIALOG); // the list may hold the last reference
        std::erase_if(fOpen, [&](const InterfacePtr<IDialog>& d) { return d.get() == dialog; });
        NotifyWidgetChange(this, kDialogClosedMessage, IID_IDIALOGMGR, dialog);
    }

private:
    std::vector<InterfacePtr<IDialog>> fOpen;
};
} // namespace

ImplementationDeclaration MakeDialogMgrImplementation(ImplementationID id) {
    return IMPLEMENTATION(DialogMgr, id, false);
}
