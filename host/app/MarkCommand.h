// MarkCommand: `pagehost mark DOC KIND --story UID --range START:END [--note TEXT] [--out DOC2]`:
// a new text markup of KIND (highlight, underline, squiggly, strikeout, caret, replace) over the
// characters START to END of a story, made by the Annotations plug-in's new-text-markup command,
// with the note text when given; one undo step. Prints the new annotation's id.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

class IDocument;

class MarkCommand {
public:
    explicit MarkCommand(CLI::App& app);
    bool Parsed() const { return fCommand->parsed(); }
    int Run() const;

private:
    int Mark(IDocument* document, int32_t type, int32_t start, int32_t end) const;

    CLI::App* fCommand = nullptr;
    std::string fDocument;
    std::string fKind;
    int64_t fStory = 0;
    std::string fRange;
    std::string fNote;
    std::string fOut;
};
