// Opens a PDF the way the import does (host UTF-16 path, path name, frame)
// and closes it when the test ends, with shortcuts to read annotations.
#pragma once

#include "host/pdf/PdfLibrary.h"

#include <filesystem>
#include <string>
#include <vector>

class PdfTestDocument {
public:
    explicit PdfTestDocument(const std::filesystem::path& path);
    ~PdfTestDocument();
    PdfTestDocument(const PdfTestDocument&) = delete;
    PdfTestDocument& operator=(const PdfTestDocument&) = delete;

    // The library error of the open; genErrNoError when it opened.
    ASErrorCode openError() const { return openError_; }
    PDDoc doc() const { return doc_; }
    // Annotations of a page, all of them or those of one subtype.
    std::vector<PDAnnot> annotations(int page, const char* subtype = nullptr) const;
    PDAnnot only(int page, const char* subtype) const;

    // Readers for the values of an annotation dictionary.
    static std::u16string text(CosObj dict, const char* key);
    static std::vector<double> numbers(CosObj dict, const char* key);
    static std::string name(CosObj obj);
    static double number(CosObj dict, const char* key);
    static std::string streamBytes(CosObj stream, int chunkSize, int limit);
    static double real(ASFixed value) { return ASFixedToFloat(value); }

private:
    PDDoc doc_ = nullptr;
    ASErrorCode openError_ = genErrNoError;
};
