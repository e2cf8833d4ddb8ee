// ClearCommand: `pagehost clear DOC [--out DOC2]`: runs the Type menu's Annotations > Clear All
// Annotations item on the document, which removes every annotation (text markups and the annotation
// layer) and then the annotation swatches; one undo step.
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
