// ActionManager: the actions plug-ins declare, with their menu places, enable and check states.
// Before a menu shows, the components of its actions update their states; an action runs only
// when the manager enables it and its component's state does.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/objectmodel/PlugInDeclaration.h"
#include "host/util/Geometry.h"

class ActionManager {
public:
    struct Action {
        ActionDeclaration declaration;
        PluginID owner = 0;
        bool enabled = true;          // the manager's own switch
        bool componentEnabled = true; // the component's answer at the last update
        bool checked = false;
    };
    // One entry of a menu as it shows: its text, action (0 for a separator or submenu) and states.
    struct MenuEntry {
        std::string text;
        ActionID action = 0;
        bool enabled = false;
        bool checked = false;
    };
    // A context menu popped up for a widget at a point, until an entry is chosen or it is dismissed.
    struct ContextMenu {
        std::string menuPath;
        std::vector<MenuEntry> entries;
        IPMUnknown* widget = nullptr;
        PMPoint where;
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
    // without ':' names the item by its own text ("Find Again") when only one action is shown so.
    ActionID FindMenuAction(const std::string& shownPath) const;
    // Runs an action through its component's IActionComponent when both the manager and the
    // component enable it; answers the global error code it left, kFailure when it did not run.
    ErrorCode DoAction(ActionID id, IPMUnknown* widget = nullptr, const PMPoint& where = PMPoint());
    // Asks the actions' components for their states (one call per component) and keeps them: an
    // action is enabled when the manager and its component enable it, checked when the component says so.
    void UpdateActionStates(const std::vector<ActionID>& ids, IPMUnknown* widget = nullptr,
                            const PMPoint& where = PMPoint());
    // The entries of the menu with the declared path ("Main:&Edit", or a context menu's key), in
    // order, with their states updated.
    std::vector<MenuEntry> PrepareMenu(const std::string& menuPath, IPMUnknown* widget = nullptr,
                                       const PMPoint& where = PMPoint());
    // Pops up the context menu with the declared key for a widget; kFalse when it has no entries.
    bool PopUpContextMenu(const std::string& menuKey, IPMUnknown* widget, const PMPoint& where);
    // The context menu shown, or nullptr.
    const ContextMenu* GetShownContextMenu() const { return fContextMenu ? &*fContextMenu : nullptr; }
    // Runs the enabled action of the shown context menu's entry and closes the menu; kFailure for an
    // entry that is disabled or no action.
    ErrorCode ChooseContextMenuEntry(int32 index);
    void DismissContextMenu() { fContextMenu.reset(); }

private:
    std::map<ActionID, Action> fActions;
    std::vector<MenuItem> fMenus;
    std::optional<ContextMenu> fContextMenu;
};
