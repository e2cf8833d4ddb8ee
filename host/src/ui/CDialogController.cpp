#include "host/ui/CDialogController.h"
#include "host/objectmodel/InterfacePtr.h"

#include "host/ui/CAlert.h"
#include "host/ui/IControlView.h"
#include "host/ui/IPanelControlData.h"
#include "host/ui/IStringListControlData.h"
#include "host/ui/ITextControlData.h"
#include "host/ui/ITextDataValidation.h"
#include "host/ui/ITextValue.h"

namespace {
// The first enabled field below the panel, in widget order, whose validation refuses its text.
IControlView* FirstInvalidField(IPanelControlData* panel, PMString* reason) {
    for (int32 i = 0; i < panel->Length(); ++i) {
        IControlView* widget = panel->GetWidget(i);
        InterfacePtr<ITextDataValidation> validation(widget, IID_ITEXTDATAVALIDATION);
        if (validation && widget->IsEnabled()) {
            *reason = validation->Validate();
            if (!reason->IsEmpty())
                return widget;
        }
        InterfacePtr<IPanelControlData> inner(widget, IID_IPANELCONTROLDATA);
        if (inner)
            if (IControlView* bad = FirstInvalidField(inner, reason))
                return bad;
    }
    return nullptr;
}
} // namespace

IPanelControlData* CDialogController::GetDialogPanel() const {
    InterfacePtr<IPanelControlData> panel(this, IID_IPANELCONTROLDATA);
    return panel.get(); // the dialog's own boss keeps it
}

WidgetID CDialogController::ValidateDialogFields(IActiveContext*) {
    IPanelControlData* panel = GetDialogPanel();
    PMString reason;
    IControlView* bad = panel ? FirstInvalidField(panel, &reason) : nullptr;
    if (!bad)
        return kInvalidWidgetID;
    CAlert::ErrorAlert(reason);
    return bad->GetWidgetID();
}

IControlView* CDialogController::FindDialogWidget(WidgetID id) const {
    IPanelControlData* panel = GetDialogPanel();
    return panel ? panel->FindWidget(id) : nullptr;
}

void CDialogController::SetTextControlData(WidgetID id, const PMString& text) {
    InterfacePtr<ITextControlData> data(FindDialogWidget(id), IID_ITEXTCONTROLDATA);
    if (data)
        data->SetString(text);
}

PMString CDialogController::GetTextControlData(WidgetID id) const {
    InterfacePtr<ITextControlData> data(FindDialogWidget(id), IID_ITEXTCONTROLDATA);
    return data ? data->GetString() : PMString();
}

void CDialogController::SetTriStateControlData(WidgetID id, bool16 selected) {
    InterfacePtr<ITriStateControlData> data(FindDialogWidget(id), IID_ITRISTATECONTROLDATA);
    if (data)
        data->SetState(selected ? ITriStateControlData::kSelected : ITriStateControlData::kUnselected);
}

ITriStateControlData::TriState CDialogController::GetTriStateControlData(WidgetID id) const {
    InterfacePtr<ITriStateControlData> data(FindDialogWidget(id), IID_ITRISTATECONTROLDATA);
    return data ? data->GetState() : ITriStateControlData::kUnselected;
}

void CDialogController::SetTextValue(WidgetID id, PMReal value) {
    InterfacePtr<ITextValue> data(FindDialogWidget(id), IID_ITEXTVALUE);
    if (data)
        data->SetTextFromValue(value);
}

PMReal CDialogController::GetTextValue(WidgetID id, bool16* isValid) const {
    InterfacePtr<ITextValue> data(FindDialogWidget(id), IID_ITEXTVALUE);
    if (data)
        return data->GetTextAsValue(isValid);
    if (isValid)
        *isValid = kFalse;
    return 0.0;
}

IStringListControlData* CDialogController::QueryListControlDataInterface(WidgetID id) const {
    return InterfacePtr<IStringListControlData>(FindDialogWidget(id), IID_ISTRINGLISTCONTROLDATA).forget();
}
