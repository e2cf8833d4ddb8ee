// ImportCommand: `pagehost import DOC REVIEWED.pdf [--offset N] [--no-...] [--out DOC2]`: the
// import as the import dialog runs it: tests that the PDF opens and fits, warns about a page-size
// mismatch, about annotations already in the document and about annotations that could not be
// imported, processes the Annotations plug-in's import command and saves the document.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

class IDocument;

class ImportCommand {
public:
    explicit ImportCommand(CLI::App& app);
    bool Parsed() const { return fCommand->parsed(); }
    int Run() const;

private:
    int Import(IDocument* document) const;
    void WarnBeforeImport(IDocument* document) const;
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
