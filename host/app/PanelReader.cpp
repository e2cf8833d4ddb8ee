#include "PanelReader.h"

#include <cstdio>
#include <unordered_set>

#include "QuillpaneID.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/ActionManager.h"
#include "host/ui/IControlView.h"
#include "host/ui/IPanelControlData.h"
#include "host/ui/IPanelMgr.h"
#include "host/ui/ITextControlData.h"
#include "host/ui/ITreeViewController.h"

namespace {
// A node's row: its label, and its kind icon when it shows one.
nlohmann::ordered_json Row(ITreeViewMgr* tree, const NodeID& node) {
    InterfacePtr<IControlView> widget(tree->QueryWidgetFromNode(node));
    InterfacePtr<IPanelControlData> nodePanel(widget, IID_IPANELCONTROLDATA);
    nlohmann::ordered_json row;
    row["label"] =
        nodePanel ? PanelReader::TextOf(nodePanel->FindWidget(kNotesUINodeLabelWidgetID)) : std::string();
    IControlView* icon = nodePanel ? nodePanel->FindWidget(kNotesUINodeIconWidgetID) : nullptr;
    if (icon && icon->GetRsrcID() != 0)
        row["icon"] = icon->GetRsrcID();
    return row;
}

nlohmann::ordered_json ButtonState(WidgetID id) {
    IControlView* button = PanelReader::Widget(id);
    return button ? nlohmann::ordered_json(button->IsEnabled() != kFalse) : nlohmann::ordered_json();
}

nlohmann::ordered_json TreeJson(ITreeViewMgr* tree, const PanelReader::PageRows& rows) {
    nlohmann::ordered_json pages = nlohmann::ordered_json::array();
    for (const auto& [page, notes] : rows) {
        nlohmann::ordered_json row = Row(tree, page);
        row["notes"] = nlohmann::ordered_json::array();
        for (const NodeID& note : notes)
            row["notes"].push_back(Row(tree, note));
        pages.push_back(row);
    }
    return pages;
}

nlohmann::ordered_json Details() {
    nlohmann::ordered_json details;
    IControlView* editBox = PanelReader::Widget(kNotesUINoteEditBoxWidgetID);
    details["author"] = PanelReader::TextOf(PanelReader::Widget(kNotesUIAuthorWidgetID));
    details["date"] = PanelReader::TextOf(PanelReader::Widget(kNotesUIDateWidgetID));
    details["text"] = PanelReader::TextOf(editBox);
    details["editable"] = editBox && editBox->IsEnabled();
    details["accept"] = ButtonState(kNotesUIAcceptIconWidgetID);
    details["reject"] = ButtonState(kNotesUIRejectIconWidgetID);
    details["remove"] = ButtonState(kNotesUIRemoveIconWidgetID);
    return details;
}

// The panel menu's entries as the action manager prepares them, separators left out.
nlohmann::ordered_json Actions() {
    InterfacePtr<IPanelMgr> panels(GetApplicationObject(), IID_IPANELMGR);
    nlohmann::ordered_json actions = nlohmann::ordered_json::array();
    if (!panels)
        return actions;
    for (const ActionManager::MenuEntry& entry :
         ActionManager::Instance().PrepareMenu(panels->GetPanelMenuPath(kNotesUIPanelWidgetID))) {
        if (entry.action == 0)
            continue;
        nlohmann::ordered_json action;
        action["name"] = entry.text;
        action["enabled"] = entry.enabled;
        action["checked"] = entry.checked;
        actions.push_back(action);
    }
    return actions;
}

std::string OnOff(const nlohmann::ordered_json& state) {
    return state.is_null() ? "missing" : state.get<bool>() ? "enabled" : "disabled";
}
} // namespace

std::string PanelReader::ShowPanel() {
    InterfacePtr<IPanelMgr> panels(GetApplicationObject(), IID_IPANELMGR);
    if (!panels || !panels->ShowPanelByWidgetID(kNotesUIPanelWidgetID))
        return "The Notes panel is missing: is the Quillpane plug-in loaded?";
    if (!Tree())
        return "The Notes panel has no tree.";
    return std::string();
}

void PanelReader::HidePanel() {
    InterfacePtr<IPanelMgr> panels(GetApplicationObject(), IID_IPANELMGR);
    if (panels)
        panels->HidePanelByWidgetID(kNotesUIPanelWidgetID);
}

IControlView* PanelReader::Widget(WidgetID id) {
    InterfacePtr<IPanelMgr> panels(GetApplicationObject(), IID_IPANELMGR);
    InterfacePtr<IPanelControlData> panel(
        panels ? panels->GetPanelFromWidgetID(kNotesUIPanelWidgetID) : nullptr, IID_IPANELCONTROLDATA);
    return panel ? panel->FindWidget(id) : nullptr;
}

InterfacePtr<ITreeViewMgr> PanelReader::Tree() {
    return InterfacePtr<ITreeViewMgr>(Widget(kNotesUITreeViewWidgetID), IID_ITREEVIEWMGR);
}

std::string PanelReader::TextOf(IControlView* widget) {
    InterfacePtr<ITextControlData> text(widget, IID_ITEXTCONTROLDATA);
    const std::string shown = text ? text->GetString().GetUTF8String() : std::string();
    std::string printed;
    for (size_t i = 0; i < shown.size(); ++i)
        if (shown[i] == '\r')
            printed += '\n';
        else if (shown[i] != '\n' || i == 0 || shown[i - 1] != '\r')
            printed += shown[i];
    return printed;
}

PanelReader::PageRows PanelReader::Walk(ITreeViewMgr* tree) {
    // While every page is closed, the visible nodes are the pages only.
    for (const NodeID& node : tree->GetVisibleNodes())
        tree->CollapseNode(node);
    const NodeIDList pageNodes = tree->GetVisibleNodes();
    for (const NodeID& page : pageNodes)
        tree->ExpandNode(page);
    const std::unordered_set<NodeID, NodeIDHash> pages(pageNodes.begin(), pageNodes.end());
    PageRows rows;
    for (const NodeID& node : tree->GetVisibleNodes()) {
        if (pages.count(node))
            rows.push_back({node, {}});
        else if (!rows.empty())
            rows.back().second.push_back(node);
    }
    return rows;
}

NodeID PanelReader::NamedNode(const PageRows& rows, const std::string& name) {
    int page = 0;
    int note = 0;
    char extra = 0;
    const int fields = std::sscanf(name.c_str(), "%d.%d%c", &page, &note, &extra);
    if (fields < 1 || fields > 2 || page < 1 || page > static_cast<int>(rows.size()))
        return NodeID();
    const auto& [pageNode, notes] = rows[static_cast<size_t>(page - 1)];
    if (fields == 1)
        return name.find('.') == std::string::npos ? pageNode : NodeID();
    return note >= 1 && note <= static_cast<int>(notes.size()) ? notes[static_cast<size_t>(note - 1)]
                                                               : NodeID();
}

nlohmann::ordered_json PanelReader::Snapshot(ITreeViewMgr* tree, const PageRows& rows) {
    nlohmann::ordered_json panel;
    panel["tree"] = TreeJson(tree, rows);
    InterfacePtr<ITreeViewController> controller(tree, IID_ITREEVIEWCONTROLLER);
    NodeIDList selected;
    if (controller)
        controller->GetSelectedItems(selected);
    panel["selected"] = selected.empty() ? nlohmann::ordered_json() : Row(tree, selected.front())["label"];
    panel["details"] = Details();
    panel["actions"] = Actions();
    return panel;
}

std::string PanelReader::ToText(const nlohmann::ordered_json& panel) {
    std::string text;
    for (const auto& page : panel["tree"]) {
        text += page["label"].get<std::string>() + "\n";
        for (const auto& note : page["notes"])
            text += "  " + note["label"].get<std::string>() + "\n";
    }
    const auto& details = panel["details"];
    if (!panel["selected"].is_null())
        text += "selected: " + panel["selected"].get<std::string>() + "\n";
    text += "author: " + details["author"].get<std::string>() + "\n";
    text += "date: " + details["date"].get<std::string>() + "\n";
    text += "text: " + details["text"].get<std::string>() + "\n";
    text += "accept: " + OnOff(details["accept"]) + ", reject: " + OnOff(details["reject"]) +
            ", remove: " + OnOff(details["remove"]) + "\n";
    std::string enabled;
    std::string checked;
    for (const auto& action : panel["actions"]) {
        const std::string name = action["name"].get<std::string>();
        if (action["enabled"].get<bool>())
            enabled += (enabled.empty() ? "" : ", ") + name;
        if (action["checked"].get<bool>())
            checked += (checked.empty() ? "" : ", ") + name;
    }
    text += "actions: " + enabled + "\n";
    text += "checked: " + checked + "\n";
    return text;
}
