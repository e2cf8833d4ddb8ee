// PdfInfoCommand: `pagehost pdfinfo REVIEWED.pdf [--json]`: what the import's reader sees in a PDF
// before anything is imported: every page with its MediaBox and TrimBox, then each annotation's facts
// (read by the plug-in's own annotation reader). The file is opened through the Annotations plug-in's import
// utility, so a file that the import cannot open is refused here the same way: one sentence on standard error
// and exit status 1. An annotation whose values cannot be read is listed with the reason.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "NotesPDFAnnotationValues.h"
#include "host/pdf/PdfLibrary.h"

class PdfInfoCommand {
public:
    // Adds the verb to the program's command line.
    explicit PdfInfoCommand(CLI::App& app);

    bool Parsed() const { return fCommand->parsed(); }
    int Run() const;

private:
    nlohmann::ordered_json ReadDocument(PDDoc doc) const;
    static nlohmann::ordered_json ReadPage(PDDoc doc, ASInt32 index);
    static nlohmann::ordered_json ReadAnnotations(PDPage page);
    static nlohmann::ordered_json AnnotationJson(const NotesPDFAnnotationValues& values,
                                                 const std::vector<CosObj>& siblings);
    static std::string AnnotationText(const nlohmann::ordered_json& facts, const std::string& indent);
    static std::string ToText(const nlohmann::ordered_json& info);

    CLI::App* fCommand = nullptr;
    std::string fPath;
    bool fJson = false;
};
