// TextEditsCommand: `pagehost accept|reject DOC [ID...] [--all-edits] [--keep-highlight]
// [--out DOC2]`: settles the reviewer's text edits (strike-throughs, insertions, replacements)
// named by their ids, or all of them in the Notes panel's page order, through the Annotations
// plug-in's accept or reject command, as one undo step, and saves the document. --keep-highlight
// turns the plug-in's convert-to-highlight option on for the run. An id that names no text edit
// refuses the whole run and leaves the file as it was.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

#include "host/database/UIDList.h"
#include "host/objectmodel/ObjectIDs.h"

class IDataBase;
class IDocument;

class TextEditsCommand {
public:
    // verb: "accept" or "reject"; commandClass: the plug-in command that settles the edits.
    TextEditsCommand(CLI::App& app, const std::string& verb, ClassID commandClass, const std::string& help);
    bool Parsed() const { return fCommand->parsed(); }
    int Run() const;

private:
    // Empty when every id names a text edit of the document; else the sentence that says why not.
    std::string CheckIDs(IDataBase* db) const;
    // The listed edits, then with --all-edits every other one in page order; each once.
    UIDList Edits(IDataBase* db) const;
    int Settle(IDocument* document) const;

    CLI::App* fCommand = nullptr;
    std::string fVerb;
    ClassID fCommandClass = kInvalidClass;
    std::string fDocument;
    std::vector<int64_t> fIDs;
    bool fAllEdits = false;
    bool fKeepHighlight = false;
    std::string fOut;
};
