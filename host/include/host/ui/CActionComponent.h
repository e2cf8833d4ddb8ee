// CActionComponent: base of action components. An action it performs is enabled whenever the
// action manager enables it; performing an action at a point runs DoAction.
#pragma once

#include "host/objectmodel/CPMUnknown.h"
#include "host/ui/IActionComponent.h"

class CActionComponent : public CPMUnknown<IActionComponent> {
public:
    explicit CActionComponent(IPMUnknown* boss) : CPMUnknown<IActionComponent>(boss) {}
    void PerformAction(IActiveContext*, ActionID actionID, const PMPoint&, IPMUnknown*) override {
        DoAction(actionID);
    }
    bool16 IsEnabled(ActionID) override { return kTrue; }
    // Enables each listed action IsEnabled allows.
    void UpdateActionStates(IActiveContext* context, IActionStateList* listToUpdate,
                            const PMPoint& mousePoint, IPMUnknown* widget) override;
};
