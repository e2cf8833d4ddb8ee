#include "PanelCommand.h"

#include <cstdio>

#include "PanelReader.h"
#include "host/document/DocumentManager.h"
#include "host/ui/ITreeViewController.h"

PanelCommand::PanelCommand(CLI::App& app) {
    fCommand = app.add_subcommand("panel", "Show the Notes panel of a document as it stands");
    fCommand->add_option("DOC", fDocument, "Document file")->required();
    fCommand->add_flag("--json", fJson, "Print JSON instead of text");
    fCommand->add_option("--select-node", fNode,
                         "PAGE or PAGE.N: select the PAGE-th page node of the tree, or its N-th note");
}

std::string PanelCommand::Collect(nlohmann::ordered_json* panel) const {
    if (const std::string missing = PanelReader::ShowPanel(); !missing.empty())
        return missing;
    InterfacePtr<ITreeViewMgr> tree = PanelReader::Tree();
    InterfacePtr<ITreeViewController> controller(tree, IID_ITREEVIEWCONTROLLER);
    if (!controller)
        return "The Notes panel has no tree.";
    const PanelReader::PageRows rows = PanelReader::Walk(tree);
    if (!fNode.empty()) {
        const NodeID node = PanelReader::NamedNode(rows, fNode);
        if (!node.IsValid())
            return "The Notes tree of " + fDocument + " has no node " + fNode + ".";
        controller->Select(node);
    }
    *panel = PanelReader::Snapshot(tree, rows);
    return std::string();
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
        const std::string out = fJson ? panel.dump(2) + "\n" : PanelReader::ToText(panel);
        std::fputs(out.c_str(), stdout);
    }
    PanelReader::HidePanel();
    DocumentManager::Instance().CloseDocument(opened.document);
    return status;
}
