// IDialogMgr (on the application object): makes dialogs from the plug-ins' dialog resources and
// knows the open ones. Opening and closing are sent under IID_IDIALOGMGR through the application's subject.
#pragma once

#include <vector>

#include "host/objectmodel/IPMUnknown.h"
#include "host/ui/UIIDs.h"

class IDialog;

class IDialogMgr : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IDIALOGMGR };
    // A closed dialog of the resource (one reference), or nullptr when there is no such dialog resource.
    virtual IDialog* CreateNewDialog(PluginID plugin, int32 rsrcID) = 0;
    // The open dialogs, oldest first (no references added).
    virtual std::vector<IDialog*> GetOpenDialogs() const = 0;
    // Host use: a dialog tells the manager it opened or closed.
    virtual void DialogOpened(IDialog* dialog) = 0;
    virtual void DialogClosed(IDialog* dialog) = 0;
};
