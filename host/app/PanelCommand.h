// PanelCommand: `pagehost panel DOC [--json] [--select-node PAGE[.N]]`: the Notes panel as the UI
// plug-in shows it for the document: the tree's rows (page nodes and note labels as the plug-in's
// node widgets hold them, in tree order), and after selecting a node (PAGE: the page node's position
// in the tree from 1; N: a note under it from 1) what the panel's detail widgets and buttons show.
// The command holds no knowledge of notes: it opens the document, shows the panel through the
// toolkit and reads the widgets.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include <nlohmann/json.hpp>

class PanelCommand {
public:
    explicit PanelCommand(CLI::App& app);
    bool Parsed() const { return fCommand->parsed(); }
    int Run() const;

private:
    // The panel of the opened document in JSON; an empty string when it went well, else why not.
    std::string Collect(nlohmann::ordered_json* panel) const;

    CLI::App* fCommand = nullptr;
    std::string fDocument;
    std::string fNode;
    bool fJson = false;
};
