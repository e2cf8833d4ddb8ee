#include "host/ui/CActionComponent.h"

#include "host/ui/IActionStateList.h"

void CActionComponent::UpdateActionStates(IActiveContext*, IActionStateList* listToUpdate, const PMPoint&,
                                          IPMUnknown*) {
    for (int32 n = 0; n < listToUpdate->Length(); ++n)
        listToUpdate->SetNthActionState(n, IsEnabled(listToUpdate->GetNthAction(n))
                                               ? IActionStateList::kEnabledAction
                                               : IActionStateList::kDisabled_Unselected);
}
