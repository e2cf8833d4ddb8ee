// IActionComponent: performs the actions a plug-in declared and answers their states.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/Geometry.h"

class IActiveContext;
class IActionStateList;

class IActionComponent : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IACTIONCOMPONENT };
    virtual void DoAction(ActionID actionID) = 0;
    // Performs the action invoked at a point (in the invoking view's coordinates) from a widget
    // (a context menu's, or nullptr).
    virtual void PerformAction(IActiveContext* context, ActionID actionID, const PMPoint& mousePoint,
                               IPMUnknown* widget) = 0;
    // Whether the action can run now.
    virtual bool16 IsEnabled(ActionID actionID) = 0;
    // Sets the states of the listed actions before a menu shows them or one of them runs.
    virtual void UpdateActionStates(IActiveContext* context, IActionStateList* listToUpdate,
                                    const PMPoint& mousePoint, IPMUnknown* widget) = 0;
};
