// PanelReader: what the Notes panel shows, read off the UI toolkit's widgets as a front end would:
// the tree's rows in order (every page node opened), the selected node, the details and buttons, and
// the states of the panel menu's actions. It names tree nodes as "PAGE" or "PAGE.N" (both from 1).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/objectmodel/InterfacePtr.h"
#include "host/ui/ITreeViewMgr.h"
#include "host/ui/NodeID.h"

class IControlView;

class PanelReader {
public:
    // The tree's page nodes in order, each with the nodes below it.
    using PageRows = std::vector<std::pair<NodeID, NodeIDList>>;

    // Shows the Notes panel; the sentence saying why not when it cannot be shown.
    static std::string ShowPanel();
    static void HidePanel();
    // A widget of the shown panel, or nullptr.
    static IControlView* Widget(WidgetID id);
    // The panel's tree, or nullptr.
    static InterfacePtr<ITreeViewMgr> Tree();
    // Opens every page node and lists the rows.
    static PageRows Walk(ITreeViewMgr* tree);
    // The node "PAGE" or "PAGE.N" names, or the invalid node.
    static NodeID NamedNode(const PageRows& rows, const std::string& name);
    // The panel as it stands: tree, selected node, details, and the panel menu's actions.
    static nlohmann::ordered_json Snapshot(ITreeViewMgr* tree, const PageRows& rows);
    static std::string ToText(const nlohmann::ordered_json& panel);
    // A widget's text with its line ends (CR LF, CR or LF) as LF.
    static std::string TextOf(IControlView* widget);
};
