#include "host/ui/ActionManager.h"

#include <algorithm>

#include "host/objectmodel/ObjectModel.h"
#include "host/ui/IActionComponent.h"

ActionManager& ActionManager::Instance() {
    static ActionManager manager;
    return manager;
}

bool ActionManager::AddAction(const ActionDeclaration& action, PluginID owner) {
    return fActions.emplace(action.id, Action{action, owner, true, false}).second;
}

void ActionManager::AddMenu(const MenuDeclaration& menu, PluginID owner) {
    fMenus.push_back(MenuItem{menu.path, menu.action, menu.position, owner});
}

void ActionManager::Remove(PluginID owner) {
    std::erase_if(fActions, [&](const auto& e) { return e.second.owner == owner; });
    std::erase_if(fMenus, [&](const MenuItem& m) { return m.owner == owner; });
}

const ActionManager::Action* ActionManager::FindAction(ActionID id) const {
    const auto found = fActions.find(id);
    return found == fActions.end() ? nullptr : &found->second;
}

void ActionManager::SetEnabled(ActionID id, bool enabled) {
    if (auto found = fActions.find(id); found != fActions.end())
        found->second.enabled = enabled;
}

void ActionManager::SetChecked(ActionID id, bool checked) {
    if (auto found = fActions.find(id); found != fActions.end())
        found->second.checked = checked;
}

std::vector<ActionManager::MenuItem> ActionManager::GetMenuItems() const {
    std::vector<MenuItem> items = fMenus;
    std::stable_sort(items.begin(), items.end(),
                     [](const MenuItem& a, const MenuItem& b) { return a.position < b.position; });
    return items;
}

ErrorCode ActionManager::DoAction(ActionID id) {
    const Action* action = FindAction(id);
    if (!action || !action->enabled)
        return kFailure;
    InterfacePtr<IActionComponent> component(CreateObject2<IActionComponent>(action->declaration.component));
    if (!component)
        return kFailure;
    component->DoAction(id);
    return kSuccess;
}
