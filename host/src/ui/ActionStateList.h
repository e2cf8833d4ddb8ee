// ActionStateList: the host's IActionStateList, the actions of one component asked together.
#pragma once

#include <vector>

#include "host/ui/IActionStateList.h"

class ActionStateList final : public IActionStateList {
public:
    explicit ActionStateList(std::vector<ActionID> actions)
        : fActions(std::move(actions)), fStates(fActions.size(), kDisabled_Unselected) {}
    int32 Length() const override { return static_cast<int32>(fActions.size()); }
    ActionID GetNthAction(int32 n) const override { return InRange(n) ? fActions[n] : 0; }
    int16 GetNthActionState(int32 n) const override {
        return InRange(n) ? fStates[n] : static_cast<int16>(kDisabled_Unselected);
    }
    void SetNthActionState(int32 n, int16 state) override {
        if (InRange(n))
            fStates[n] = state;
    }

private:
    bool InRange(int32 n) const { return n >= 0 && n < Length(); }
    std::vector<ActionID> fActions;
    std::vector<int16> fStates;
};
