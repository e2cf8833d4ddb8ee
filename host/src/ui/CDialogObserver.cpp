#include "host/ui/CDialogObserver.h"
#include "host/objectmodel/InterfacePtr.h"

#include "host/notify/ISubject.h"
#include "host/ui/IControlView.h"
#include "host/ui/IDialog.h"
#include "host/ui/IPanelControlData.h"

IPanelControlData* CDialogObserver::GetDialogPanel() const {
    InterfacePtr<IPanelControlData> panel(this, IID_IPANELCONTROLDATA);
    return panel.get(); // the dialog's own boss keeps it
}

void CDialogObserver::AttachToWidget(WidgetID id, PMIID protocol) {
    IPanelControlData* panel = GetDialogPanel();
    InterfacePtr<ISubject> subject(panel ? panel->FindWidget(id) : nullptr, IID_ISUBJECT);
    if (subject)
        subject->AttachObserver(this, protocol, GetObserverIID());
}

void CDialogObserver::DetachFromWidget(WidgetID id, PMIID protocol) {
    IPanelControlData* panel = GetDialogPanel();
    InterfacePtr<ISubject> subject(panel ? panel->FindWidget(id) : nullptr, IID_ISUBJECT);
    if (subject)
        subject->DetachObserver(this, protocol, GetObserverIID());
}

WidgetID CDialogObserver::WidgetIDOf(ISubject* subject) {
    InterfacePtr<IControlView> view(subject, IID_ICONTROLVIEW);
    return view ? view->GetWidgetID() : kInvalidWidgetID;
}

void CDialogObserver::AutoAttach() {
    AttachToWidget(kOKButtonWidgetID, IID_IBOOLEANCONTROLDATA);
    AttachToWidget(kCancelButtonWidgetID, IID_IBOOLEANCONTROLDATA);
}

void CDialogObserver::AutoDetach() {
    DetachFromWidget(kOKButtonWidgetID, IID_IBOOLEANCONTROLDATA);
    DetachFromWidget(kCancelButtonWidgetID, IID_IBOOLEANCONTROLDATA);
}

void CDialogObserver::Update(ClassID theChange, ISubject* theSubject, PMIID protocol, void*) {
    if (theChange != kTrueStateMessage || protocol != IID_IBOOLEANCONTROLDATA)
        return;
    InterfacePtr<IDialog> dialog(this, IID_IDIALOG);
    if (!dialog)
        return;
    const WidgetID pressed = WidgetIDOf(theSubject);
    if (pressed == kOKButtonWidgetID)
        dialog->PressOK();
    else if (pressed == kCancelButtonWidgetID)
        dialog->PressCancel();
}
