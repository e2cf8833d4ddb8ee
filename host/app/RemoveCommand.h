// RemoveCommand: `pagehost remove DOC ID... [--out DOC2]`: deletes the listed annotations (with
// their markers, text attributes and popups) through the Annotations plug-in's delete command, in
// one undo step, and saves the document.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

class IDocument;

class RemoveCommand {
public:
    explicit RemoveCommand(CLI::App& app);
    bool Parsed() const { return fCommand->parsed(); }
    int Run() const;

private:
    int Remove(IDocument* document) const;

    CLI::App* fCommand = nullptr;
    std::string fDocument;
    std::vector<int64_t> fIDs;
    std::string fOut;
};
