// PopupsCommand: `pagehost popups DOC show|hide [ID...] [--out DOC2]`: opens or closes the popup
// note windows of the listed annotations (every annotation without IDs) through the Annotations
// plug-in's annotations manager, and saves the document.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

class IDocument;

class PopupsCommand {
public:
    explicit PopupsCommand(CLI::App& app);
    bool Parsed() const { return fCommand->parsed(); }
    int Run() const;

private:
    // Empty when every ID names an annotation of the document; else the sentence that says why not.
    std::string CheckIDs(IDocument* document) const;
    void Apply(IDocument* document) const;

    CLI::App* fCommand = nullptr;
    std::string fDocument;
    std::string fAction;
    std::vector<int64_t> fIDs;
    std::string fOut;
};
