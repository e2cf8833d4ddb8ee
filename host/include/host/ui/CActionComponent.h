// CActionComponent: base of action components; an action it performs is enabled whenever the
// action manager enables it.
#pragma once

#include "host/objectmodel/CPMUnknown.h"
#include "host/ui/IActionComponent.h"

class CActionComponent : public CPMUnknown<IActionComponent> {
public:
    explicit CActionComponent(IPMUnknown* boss) : CPMUnknown<IActionComponent>(boss) {}
    bool16 IsEnabled(ActionID) override { return kTrue; }
};
