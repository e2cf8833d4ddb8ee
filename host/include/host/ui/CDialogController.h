// CDialogController: base of dialog controllers, with helpers that reach the dialog's widgets by ID.
// Its validation checks every number field with ITextDataValidation, in widget order; the first one
// that fails is named to the user in an error alert and returned.
#pragma once

#include "host/objectmodel/CPMUnknown.h"
#include "host/ui/IDialogController.h"
#include "host/ui/ITriStateControlData.h"
#include "host/util/Geometry.h"
#include "host/util/PMString.h"

class IControlView;
class IPanelControlData;
class IStringListControlData;

class CDialogController : public CPMUnknown<IDialogController> {
public:
    explicit CDialogController(IPMUnknown* boss) : CPMUnknown<IDialogController>(boss) {}
    void InitializeDialogFields(IActiveContext*) override {}
    WidgetID ValidateDialogFields(IActiveContext* context) override;
    void ApplyDialogFields(IActiveContext*, const WidgetID&) override {}

protected:
    // The dialog's widget with the ID (no reference added), or nullptr.
    IControlView* FindDialogWidget(WidgetID id) const;
    void SetTextControlData(WidgetID id, const PMString& text);
    PMString GetTextControlData(WidgetID id) const;
    void SetTriStateControlData(WidgetID id, bool16 selected);
    ITriStateControlData::TriState GetTriStateControlData(WidgetID id) const;
    void SetTextValue(WidgetID id, PMReal value);
    PMReal GetTextValue(WidgetID id, bool16* isValid = nullptr) const;
    // The drop-down's entries (one reference), or nullptr.
    IStringListControlData* QueryListControlDataInterface(WidgetID id) const;

private:
    IPanelControlData* GetDialogPanel() const;
};
