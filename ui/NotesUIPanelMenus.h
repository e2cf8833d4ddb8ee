// NotesUIPanelMenus: the panel's actions and where they show: the Notes panel's own menu and the
// context menu of its tree, in groups between separators.
#pragma once

#include <vector>

#include "host/objectmodel/PlugInDeclaration.h"

class NotesUIPanelMenus {
public:
    static std::vector<ActionDeclaration> Actions();
    static std::vector<MenuDeclaration> Menus();
};
