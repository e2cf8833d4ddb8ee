// Files the PDF library tests read: a temporary folder for this test run,
// sample PDFs made with the repository's fixture tools, annotated copies of
// them, and files with hand-written bytes.
#pragma once

#include <filesystem>
#include <string>

class PdfFixtureFiles {
public:
    static std::filesystem::path repoRoot();
    // A folder private to this test process, removed when it ends.
    static std::filesystem::path tempDir();
    // A two-page A4 PDF of sample sentences (tools/make_sample_pdf.py).
    static std::filesystem::path samplePdf();
    // The sample PDF with the comments of commentsJson added by
    // tools/annotate_pdf.py; throws std::runtime_error when the tool fails.
    static std::filesystem::path annotated(const std::string& name, const std::string& commentsJson);
    static std::filesystem::path writeFile(const std::string& name, const std::string& bytes);
    static std::string readFile(const std::filesystem::path& path);
    // Runs a shell command; throws std::runtime_error when it fails.
    static void run(const std::string& command);
    static std::string quoted(const std::filesystem::path& path);
};
