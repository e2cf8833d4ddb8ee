// ClearCommand: `pagehost clear DOC [--out DOC2]`: removes every annotation (text markups and the
// annotation layer) with the Annotations plug-in's clear-all command and then its annotation
// swatches, as the plug-in's Clear All Annotations menu item does; one undo step.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

class IDocument;

class ClearCommand {
public:
    explicit ClearCommand(CLI::App& app);
    bool Parsed() const { return fCommand->parsed(); }
    int Run() const;

private:
    int Clear(IDocument* document) const;

    CLI::App* fCommand = nullptr;
    std::string fDocument;
    std::string fOut;
};
