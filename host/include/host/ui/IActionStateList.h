// IActionStateList: the actions whose states an action component is asked to set before a menu
// shows. A state is kEnabledAction, plus kSelectedAction when checked; an action left without a
// state is disabled.
#pragma once

#include "host/objectmodel/ObjectIDs.h"

class IActionStateList {
public:
    enum { kDisabled_Unselected = 0, kEnabledAction = 1, kSelectedAction = 2 };
    virtual ~IActionStateList() = default;
    virtual int32 Length() const = 0;
    virtual ActionID GetNthAction(int32 n) const = 0;
    virtual int16 GetNthActionState(int32 n) const = 0;
    virtual void SetNthActionState(int32 n, int16 state) = 0;
};
