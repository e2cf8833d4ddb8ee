// ImportCommand: `pagehost import DOC REVIEWED.pdf [--offset N] [--no-...] [--out DOC2]`: the
// import as the import dialog runs it: asks the Annotations plug-in for the import's plan (one opening
// of the PDF) and shows it: the plan's sentence when the PDF cannot be imported, a warning about
// annotations already in the document. Then processes the import command with that plan, says so when
// nothing could be imported, warns about annotations that failed, and saves the document. A refused
// import leaves the document file as it was.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include "host/util/BaseTypes.h"

class IDocument;
struct NotesImportPlan;

class ImportCommand {
public:
    explicit ImportCommand(CLI::App& app);
    bool Parsed() const { return fCommand->parsed(); }
    int Run() const;

private:
    int PlanAndImport(IDocument* document) const;
    void ShowPlan(const NotesImportPlan& plan) const;
    int Import(IDocument* document, const NotesImportPlan& plan) const;
    int ShowOutcome(int32 read, int32 imported, int32 failed) const;
    void ShowPopupsByMode(IDocument* document) const;
    // The file the imported document is saved to: --out when given, else the document itself.
    std::string Destination() const;

    CLI::App* fCommand = nullptr;
    std::string fDocument;
    std::string fPDF;
    std::string fOut;
    int fOffset = 0;
    bool fNoStickyNotes = false;
    bool fNoTextMarkups = false;
    bool fNoTextEdits = false;
    bool fNoDrawings = false;
};
