// SelectCommand: `pagehost select DOC (--story UID --range START:END | --item UID...) [--then
// ACTION] [--out DOC2]`: makes the selection in the document's layout view as the user's gesture
// would, prints the annotations it selects (the plug-in's selection manager's list), runs the
// ACTION on the selection through the plug-in's selection suites (one undo step) and saves.
// ACTION: mark-highlight, mark-underline, mark-squiggly, mark-strikeout, mark-caret,
// mark-replace, accept, reject or remove.
#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <string>
#include <vector>

class IDocument;
class ISelectionManager;

class SelectCommand {
public:
    explicit SelectCommand(CLI::App& app);
    bool Parsed() const { return fCommand->parsed(); }
    int Run() const;

private:
    int Select(IDocument* document) const;
    // Empty when the selection was made; else the sentence that says why not.
    std::string MakeSelection(IDocument* document, ISelectionManager* selection) const;
    static void PrintSelectedAnnotations(IDocument* document);
    int RunAction(ISelectionManager* selection) const;
    int Mark(ISelectionManager* selection, int32_t type) const;
    int SettleTextEdits(ISelectionManager* selection, bool accept) const;
    int Remove(ISelectionManager* selection) const;

    CLI::App* fCommand = nullptr;
    std::string fDocument;
    int64_t fStory = 0;
    std::string fRange;
    std::vector<int64_t> fItems;
    std::string fAction;
    std::string fOut;
};
