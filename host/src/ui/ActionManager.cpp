#include "host/ui/ActionManager.h"

#include <algorithm>
#include <set>

#include "host/objectmodel/InterfacePtr.h"

#include "ActionStateList.h"
#include "host/commands/ErrorUtils.h"
#include "host/layout/IActiveContext.h"
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

// The declared path of the menu that holds an item: the item's path without its last part.
std::string ParentPath(const std::string& declared) {
    const size_t colon = declared.rfind(':');
    return colon == std::string::npos ? std::string() : declared.substr(0, colon);
}

std::string ShownName(const std::string& declared) {
    const std::string shown = ShownPath(declared);
    const size_t colon = shown.rfind(':');
    return colon == std::string::npos ? shown : shown.substr(colon + 1);
}

IActiveContext* ActiveContext() {
    InterfacePtr<IActiveContext> context(GetApplicationObject(), IID_IACTIVECONTEXT);
    return context.get(); // the application object keeps it
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
    std::set<ActionID> byItemText; // an action placed in several menus under one text is still one
    for (const MenuItem& item : fMenus) {
        if (item.action == 0)
            continue;
        const std::string shown = ShownPath(item.path);
        if (shown == shownPath)
            return item.action;
        const size_t last = shown.rfind(':');
        if (itemTextOnly && last != std::string::npos &&
            shown.compare(last + 1, std::string::npos, shownPath) == 0) {
            byItemText.insert(item.action);
        }
    }
    return byItemText.size() == 1 ? *byItemText.begin() : 0;
}

ErrorCode ActionManager::DoAction(ActionID id, IPMUnknown* widget, const PMPoint& where) {
    UpdateActionStates({id}, widget, where);
    const Action* action = FindAction(id);
    if (!action || !action->enabled || !action->componentEnabled)
        return kFailure;
    InterfacePtr<IActionComponent> component(CreateObject2<IActionComponent>(action->declaration.component));
    if (!component)
        return kFailure;
    ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    component->PerformAction(ActiveContext(), id, where, widget);
    return ErrorUtils::PMGetGlobalErrorCode();
}

void ActionManager::UpdateActionStates(const std::vector<ActionID>& ids, IPMUnknown* widget,
                                       const PMPoint& where) {
    std::map<ClassID, std::vector<ActionID>> byComponent;
    for (ActionID id : ids)
        if (const Action* action = FindAction(id))
            byComponent[action->declaration.component].push_back(id);
    for (auto& [componentClass, actions] : byComponent) {
        ActionStateList states(actions);
        InterfacePtr<IActionComponent> component(CreateObject2<IActionComponent>(componentClass));
        if (component)
            component->UpdateActionStates(ActiveContext(), &states, where, widget);
        for (int32 n = 0; n < states.Length(); ++n) {
            Action& action = fActions.at(states.GetNthAction(n));
            action.componentEnabled = (states.GetNthActionState(n) & IActionStateList::kEnabledAction) != 0;
            action.checked = (states.GetNthActionState(n) & IActionStateList::kSelectedAction) != 0;
        }
    }
}

std::vector<ActionManager::MenuEntry> ActionManager::PrepareMenu(const std::string& menuPath,
                                                                 IPMUnknown* widget, const PMPoint& where) {
    std::vector<MenuItem> items;
    std::vector<ActionID> ids;
    for (const MenuItem& item : GetMenuItems())
        if (ParentPath(item.path) == menuPath) {
            items.push_back(item);
            if (item.action != 0)
                ids.push_back(item.action);
        }
    UpdateActionStates(ids, widget, where);
    std::vector<MenuEntry> entries;
    for (const MenuItem& item : items) {
        const Action* action = FindAction(item.action);
        entries.push_back(MenuEntry{ShownName(item.path), item.action,
                                    action && action->enabled && action->componentEnabled,
                                    action && action->checked});
    }
    return entries;
}

bool ActionManager::PopUpContextMenu(const std::string& menuKey, IPMUnknown* widget, const PMPoint& where) {
    std::vector<MenuEntry> entries = PrepareMenu(menuKey, widget, where);
    if (entries.empty()) {
        fContextMenu.reset();
        return false;
    }
    fContextMenu = ContextMenu{menuKey, std::move(entries), widget, where};
    return true;
}

ErrorCode ActionManager::ChooseContextMenuEntry(int32 index) {
    if (!fContextMenu || index < 0 || index >= static_cast<int32>(fContextMenu->entries.size()))
        return kFailure;
    const ContextMenu menu = *fContextMenu;
    fContextMenu.reset();
    const MenuEntry& entry = menu.entries[index];
    if (entry.action == 0 || !entry.enabled)
        return kFailure;
    return DoAction(entry.action, menu.widget, menu.where);
}
