// Dialog: the host's IDialog, on the dialog's own panel.
#include "WidgetTree.h"
#include "host/layout/IActiveContext.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/IDialog.h"
#include "host/ui/IDialogController.h"
#include "host/ui/IDialogMgr.h"
#include "host/ui/IKeyBoard.h"
#include "host/ui/IPanelControlData.h"

namespace {
IActiveContext* ActiveContext() {
    InterfacePtr<IActiveContext> context(GetApplicationObject(), IID_IACTIVECONTEXT);
    return context.get(); // the application object keeps it
}

class Dialog final : public CPMUnknown<IDialog> {
public:
    explicit Dialog(IPMUnknown* boss) : CPMUnknown<IDialog>(boss) {}

    void Open() override {
        if (fOpen)
            return;
        InterfacePtr<IDialogController> controller(this, IID_IDIALOGCONTROLLER);
        if (controller)
            controller->InitializeDialogFields(ActiveContext());
        fOpen = kTrue;
        InterfacePtr<IControlView> view(this, IID_ICONTROLVIEW);
        view->Show();
        AutoAttachWidgets(view, true);
        InterfacePtr<IDialogMgr> manager(GetApplicationObject(), IID_IDIALOGMGR);
        if (manager)
            manager->DialogOpened(this);
    }

    void Close() override {
        if (!fOpen)
            return;
        fOpen = kFalse;
        InterfacePtr<IControlView> view(this, IID_ICONTROLVIEW);
        AutoAttachWidgets(view, false);
        ReleaseFocusInside(view);
        view->Hide();
        InterfacePtr<IDialogMgr> manager(GetApplicationObject(), IID_IDIALOGMGR);
        if (manager)
            manager->DialogClosed(this);
    }

    bool16 IsOpen() const override { return fOpen; }

    bool16 PressOK() override {
        if (!fOpen)
            return kFalse;
        InterfacePtr<IDialog> hold(this, IID_IDIALOG); // closing may drop the manager's reference
        InterfacePtr<IDialogController> controller(this, IID_IDIALOGCONTROLLER);
        if (controller) {
            const WidgetID bad = controller->ValidateDialogFields(ActiveContext());
            if (bad != kInvalidWidgetID) {
                FocusWidget(bad);
                return kFalse;
            }
            controller->ApplyDialogFields(ActiveContext(), kOKButtonWidgetID);
        }
        Close();
        return kTrue;
    }

    void PressCancel() override { Close(); }

    IPanelControlData* GetDialogPanel() const override {
        InterfacePtr<IPanelControlData> panel(this, IID_IPANELCONTROLDATA);
        return panel.get(); // the dialog's own boss keeps it
    }

private:
    void FocusWidget(WidgetID id) const {
        InterfacePtr<IKeyBoard> keyBoard(GetApplicationObject(), IID_IKEYBOARD);
        IPanelControlData* panel = GetDialogPanel();
        if (keyBoard && panel)
            keyBoard->SetKeyFocus(panel->FindWidget(id));
    }
    bool16 fOpen = kFalse;
};
} // namespace

ImplementationDeclaration MakeDialogImplementation(ImplementationID id) {
    return IMPLEMENTATION(Dialog, id, false);
}
