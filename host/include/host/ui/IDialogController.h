// IDialogController: fills, checks and applies a dialog's fields; a plug-in implements it on its
// dialog class, usually by deriving from CDialogController.
#pragma once

#include "host/objectmodel/IPMUnknown.h"
#include "host/ui/UIIDs.h"

class IActiveContext;

class IDialogController : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IDIALOGCONTROLLER };
    // Called when the dialog opens, before its observers attach.
    virtual void InitializeDialogFields(IActiveContext* context) = 0;
    // Called when OK is pressed: the widget ID of the first field that is not acceptable, or
    // kInvalidWidgetID when all are.
    virtual WidgetID ValidateDialogFields(IActiveContext* context) = 0;
    // Called after a successful validation, before the dialog closes.
    virtual void ApplyDialogFields(IActiveContext* context, const WidgetID& widgetId) = 0;
};
