// ActionManager: the actions plug-ins declare, with their menu places, enable and check states.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "host/objectmodel/PlugInDeclaration.h"

class ActionManager {
public:
    struct Action {
        ActionDeclaration declaration;
        PluginID owner = 0;
        bool enabled = true;
        bool checked = false;
    };
    struct MenuItem {
        std::string path;
        ActionID action = 0;
        double position = 0.0;
        PluginID owner = 0;
    };

    static ActionManager& Instance();
    // False when the action ID is already taken.
    bool AddAction(const ActionDeclaration& action, PluginID owner);
    void AddMenu(const MenuDeclaration& menu, PluginID owner);
    void Remove(PluginID owner);
    const Action* FindAction(ActionID id) const;
    void SetEnabled(ActionID id, bool enabled);
    void SetChecked(ActionID id, bool checked);
    // Menu entries sorted by path then position.
    std::vector<MenuItem> GetMenuItems() const;
    // The action of the menu item shown as the path ("Main:Edit:Find Again"): each part
    // of a declared path translated, ampersands dropped; 0 when no item is shown so. A text
    // without ':' names the item by its own text ("Find Again") when only one item has it.
    ActionID FindMenuAction(const std::string& shownPath) const;
    // Runs an action through its component's IActionComponent when both the manager and the
    // component enable it; answers the global error code it left, kFailure when it did not run.
    ErrorCode DoAction(ActionID id);

private:
    std::map<ActionID, Action> fActions;
    std::vector<MenuItem> fMenus;
};
