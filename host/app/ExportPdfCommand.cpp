#include "ExportPdfCommand.h"

#include <cstdio>

#include "OutputPath.h"
#include "host/document/DocumentManager.h"
#include "host/graphics/PdfExporter.h"

ExportPdfCommand::ExportPdfCommand(CLI::App& app) {
    fCommand = app.add_subcommand("export-pdf", "Write a document as a PDF proof");
    fCommand->add_option("DOC", fDocumentPath, "Document file")->required();
    fCommand->add_option("PROOF", fPdfPath, "PDF file to write")->required();
    fCommand->add_flag("--spreads", fSpreads, "One PDF page per spread instead of per page");
}

int ExportPdfCommand::Run() const {
    if (const auto refusal = OutputPath::Refusal(fPdfPath, {fDocumentPath})) {
        std::fprintf(stderr, "pagehost: %s\n", refusal->c_str());
        return 1;
    }
    DocumentManager::Result opened = DocumentManager::Instance().OpenDocument(fDocumentPath);
    if (opened.error != kSuccess) {
        std::fprintf(stderr, "pagehost: %s\n", opened.message.c_str());
        return 1;
    }
    const PdfExporter::Result result =
        PdfExporter::Export(opened.document->GetDocumentDataBase(), fPdfPath,
                            fSpreads ? PdfExporter::kSpreads : PdfExporter::kPages);
    DocumentManager::Instance().CloseDocument(opened.document);
    if (result.error != kSuccess) {
        std::fprintf(stderr, "pagehost: %s\n", result.message.c_str());
        return 1;
    }
    return 0;
}
