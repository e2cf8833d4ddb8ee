#include "host/ui/ActionManager.h"

#include <algorithm>

#include "host/commands/ErrorUtils.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/IActionComponent.h"
#include "host/util/PMString.h"

namespace {
// A declared menu path as the user sees it: every part translated, mnemonic ampersands dropped.
std::string ShownPath(const std::string& declared) {
    std::string shown;
    size_t start = 0;
    while (start <= declared.size()) {
        const size_t end = std::min(declared.find(':', start), declared.size());
        std::string part =
            PMString(declared.substr(start, end - start).c_str(), PMString::kTranslateDuringCall)
                .GetUTF8String();
        std::erase(part, '&');
        shown += (start == 0 ? "" : ":") + part;
        start = end + 1;
    }
    return shown;
}
} // namespace

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

ActionID ActionManager::FindMenuAction(const std::string& shownPath) const {
    const bool itemTextOnly = shownPath.find(':') == std::string::npos;
    ActionID byItemText = 0;
    int32 itemsWithText = 0;
    for (const MenuItem& item : fMenus) {
        if (item.action == 0)
            continue;
        const std::string shown = ShownPath(item.path);
        if (shown == shownPath)
            return item.action;
        const size_t last = shown.rfind(':');
        if (itemTextOnly && last != std::string::npos &&
            shown.compare(last + 1, std::string::npos, shownPath) == 0) {
            byItemText = item.action;
            ++itemsWithText;
        }
    }
    return itemsWithText == 1 ? byItemText : 0;
}

ErrorCode ActionManager::DoAction(ActionID id) {
    const Action* action = FindAction(id);
    if (!action || !action->enabled)
        return kFailure;
    InterfacePtr<IActionComponent> component(CreateObject2<IActionComponent>(action->declaration.component));
    if (!component || !component->IsEnabled(id))
        return kFailure;
    ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    component->DoAction(id);
    return ErrorUtils::PMGetGlobalErrorCode();
}
