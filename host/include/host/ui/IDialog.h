// IDialog: a dialog made by the dialog manager. Opening initializes its fields (IDialogController)
// and auto-attaches its observer; OK validates, applies and closes; Cancel closes without applying.
// The dialog stays open after Open until a front end or a script presses a button.
#pragma once

#include "host/objectmodel/IPMUnknown.h"
#include "host/ui/UIIDs.h"

class IPanelControlData;

class IDialog : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IDIALOG };
    virtual void Open() = 0;
    virtual void Close() = 0;
    virtual bool16 IsOpen() const = 0;
    // Validates; when a field is bad, gives it the keyboard focus and stays open (kFalse); otherwise
    // applies the fields and closes (kTrue).
    virtual bool16 PressOK() = 0;
    virtual void PressCancel() = 0;
    // The widgets of the dialog (no reference added).
    virtual IPanelControlData* GetDialogPanel() const = 0;
};
