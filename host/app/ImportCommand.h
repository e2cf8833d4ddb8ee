// ImportCommand: `pagehost import DOC REVIEWED.pdf [--offset N] [--no-...] [--out DOC2]`: the command
// line in front of the UI plug-in's import dialog. Opens the document, opens the dialog on it, enters
// the PDF into the dialog's PDF field, sets the kind check boxes and the start-page fields from the
// arguments and clicks the import button; the dialog's alerts go to standard error. The document is
// saved only when the dialog imported without an error; a refused import leaves its file as it was.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include "host/util/BaseTypes.h"

class IDialog;
class IDocument;

class ImportCommand {
public:
    explicit ImportCommand(CLI::App& app);
    bool Parsed() const { return fCommand->parsed(); }
    int Run() const;

private:
    int RunDialog(IDocument* document) const;
    void FillDialog(IDialog* dialog) const;
    // Enters the PDF's path as the first entry of the dialog's PDF field and chooses it.
    void EnterPDF(IDialog* dialog) const;
    // The dialog's start pages for the signed offset: +n starts the PDF on document page n + 1, -n
    // starts the document on PDF page n + 1.
    void EnterOffset(IDialog* dialog) const;
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
