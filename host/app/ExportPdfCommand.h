// ExportPdfCommand: `pagehost export-pdf DOC PROOF.pdf [--spreads]`: the PDF proof a reviewer
// comments on, one PDF page per document page (per spread with --spreads). A failure is one
// sentence on standard error and exit status 1; no partial proof is left behind.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

class ExportPdfCommand {
public:
    // Adds the verb to the program's command line.
    explicit ExportPdfCommand(CLI::App& app);

    bool Parsed() const { return fCommand->parsed(); }
    int Run() const;

private:
    CLI::App* fCommand = nullptr;
    std::string fDocumentPath;
    std::string fPdfPath;
    bool fSpreads = false;
};
