// WidgetResources: the panel, dialog and tree-node layouts plug-ins declare, by plug-in and resource
// ID, and the widgets made from them. Texts of a layout are translated when its widgets are made.
#pragma once

#include <map>
#include <utility>
#include <vector>

#include "host/objectmodel/PlugInDeclaration.h"

class IControlView;

class WidgetResources {
public:
    static WidgetResources& Instance();
    // False when the plug-in already declared the resource ID.
    bool Add(PluginID plugin, const WidgetResourceDeclaration& resource);
    const WidgetResourceDeclaration* Find(PluginID plugin, int32 rsrcID) const;
    // The panel resource whose root has the widget ID, or nullptr.
    const WidgetResourceDeclaration* FindPanel(WidgetID panelID) const;
    // The root widget IDs of every declared panel, in plug-in and resource order.
    std::vector<WidgetID> GetPanelIDs() const;
    // A new widget tree (one reference to its root), or nullptr when a class is unknown or has no
    // IControlView.
    static IControlView* CreateWidgets(const WidgetDeclaration& root);

private:
    std::map<std::pair<PluginID, int32>, WidgetResourceDeclaration> fResources;
};
