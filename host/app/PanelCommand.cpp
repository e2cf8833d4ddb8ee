#include "PanelCommand.h"

#include <cstdio>
#include <unordered_set>

#include "QuillpaneID.h"
#include "host/document/DocumentManager.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/IControlView.h"
#include "host/ui/IPanelControlData.h"
#include "host/ui/IPanelMgr.h"
#include "host/ui/ITextControlData.h"
#include "host/ui/ITreeViewController.h"
#include "host/ui/ITreeViewMgr.h"

namespace {
IControlView* PanelWidget(WidgetID id) {
    InterfacePtr<IPanelMgr> panels(GetApplicationObject(), IID_IPANELMGR);
    InterfacePtr<IPanelControlData> panel(
        panels ? panels->GetPanelFromWidgetID(kNotesUIPanelWidgetID) : nullptr, IID_IPANELCONTROLDATA);
    return panel ? panel->FindWidget(id) : nullptr;
}

std::string TextOf(IControlView* widget) {
    InterfacePtr<ITextControlData> text(widget, IID_ITEXTCONTROLDATA);
    return text ? text->GetString().GetUTF8String() : std::string();
}

// A node's row: its label, and its kind icon when it shows one.
nlohmann::ordered_json Row(ITreeViewMgr* tree, const NodeID& node) {
    InterfacePtr<IControlView> widget(tree->QueryWidgetFromNode(node));
    InterfacePtr<IPanelControlData> nodePanel(widget, IID_IPANELCONTROLDATA);
    nlohmann::ordered_json row;
    row["label"] = nodePanel ? TextOf(nodePanel->FindWidget(kNotesUINodeLabelWidgetID)) : std::string();
    IControlView* icon = nodePanel ? nodePanel->FindWidget(kNotesUINodeIconWidgetID) : nullptr;
    if (icon && icon->GetRsrcID() != 0)
        row["icon"] = icon->GetRsrcID();
    return row;
}

nlohmann::ordered_json ButtonState(WidgetID id) {
    IControlView* button = PanelWidget(id);
    return button ? nlohmann::ordered_json(button->IsEnabled() != kFalse) : nlohmann::ordered_json();
}

// The tree's page nodes in order, each with the nodes below it; every page is opened on the way.
using PageRows = std::vector<std::pair<NodeID, NodeIDList>>;
PageRows Walk(ITreeViewMgr* tree) {
    const NodeIDList pageNodes = tree->GetVisibleNodes(); // while every page is closed: the pages only
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

nlohmann::ordered_json TreeJson(ITreeViewMgr* tree, const PageRows& rows) {
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

// The node "PAGE" or "PAGE.N" names (both from 1), or the invalid node.
NodeID NamedNode(const PageRows& rows, const std::string& name) {
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

nlohmann::ordered_json Details() {
    nlohmann::ordered_json details;
    IControlView* editBox = PanelWidget(kNotesUINoteEditBoxWidgetID);
    details["author"] = TextOf(PanelWidget(kNotesUIAuthorWidgetID));
    details["date"] = TextOf(PanelWidget(kNotesUIDateWidgetID));
    details["text"] = TextOf(editBox);
    details["editable"] = editBox && editBox->IsEnabled();
    details["accept"] = ButtonState(kNotesUIAcceptIconWidgetID);
    details["reject"] = ButtonState(kNotesUIRejectIconWidgetID);
    details["remove"] = ButtonState(kNotesUIRemoveIconWidgetID);
    return details;
}

std::string OnOff(const nlohmann::ordered_json& state) {
    return state.is_null() ? "missing" : state.get<bool>() ? "enabled" : "disabled";
}
} // namespace

PanelCommand::PanelCommand(CLI::App& app) {
    fCommand = app.add_subcommand("panel", "Show the Notes panel of a document as it stands");
    fCommand->add_option("DOC", fDocument, "Document file")->required();
    fCommand->add_flag("--json", fJson, "Print JSON instead of text");
    fCommand->add_option("--select-node", fNode,
                         "PAGE or PAGE.N: select the PAGE-th page node of the tree, or its N-th note");
}

std::string PanelCommand::Collect(nlohmann::ordered_json* panel) const {
    InterfacePtr<IPanelMgr> panels(GetApplicationObject(), IID_IPANELMGR);
    if (!panels || !panels->ShowPanelByWidgetID(kNotesUIPanelWidgetID))
        return "The Notes panel is missing: is the Quillpane plug-in loaded?";
    InterfacePtr<ITreeViewMgr> tree(PanelWidget(kNotesUITreeViewWidgetID), IID_ITREEVIEWMGR);
    InterfacePtr<ITreeViewController> controller(tree, IID_ITREEVIEWCONTROLLER);
    if (!tree || !controller)
        return "The Notes panel has no tree.";
    const PageRows rows = Walk(tree);
    if (!fNode.empty()) {
        const NodeID node = NamedNode(rows, fNode);
        if (!node.IsValid())
            return "The Notes tree of " + fDocument + " has no node " + fNode + ".";
        controller->Select(node);
    }
    (*panel)["tree"] = TreeJson(tree, rows);
    NodeIDList selected;
    controller->GetSelectedItems(selected);
    (*panel)["selected"] = selected.empty() ? nlohmann::ordered_json() : Row(tree, selected.front())["label"];
    (*panel)["details"] = Details();
    return std::string();
}

std::string PanelCommand::ToText(const nlohmann::ordered_json& panel) {
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
    return text;
}

int PanelCommand::Run() const {
    DocumentManager::Result opened = DocumentManager::Instance().OpenDocument(fDocument);
    if (!opened.document) {
        std::fprintf(stderr, "pagehost: %s\n", opened.message.c_str());
        return 1;
    }
    nlohmann::ordered_json panel;
    const std::string failure = Collect(&panel);
    int status = 0;
    if (!failure.empty()) {
        std::fprintf(stderr, "pagehost: %s\n", failure.c_str());
        status = 1;
    } else {
        const std::string out = fJson ? panel.dump(2) + "\n" : ToText(panel);
        std::fputs(out.c_str(), stdout);
    }
    InterfacePtr<IPanelMgr> panels(GetApplicationObject(), IID_IPANELMGR);
    if (panels)
        panels->HidePanelByWidgetID(kNotesUIPanelWidgetID);
    DocumentManager::Instance().CloseDocument(opened.document);
    return status;
}
