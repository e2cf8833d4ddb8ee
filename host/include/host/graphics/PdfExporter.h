// PdfExporter: writes a document as a PDF proof: one PDF page per document page (or per spread),
// drawn with the output draw flags, so items that only belong on screen stay off it. Glyphs stand
// exactly where the composer put them, in the embedded default font with its Unicode mapping, and
// every page's MediaBox and TrimBox are the page's (or the spread's pages') size. The file appears
// complete or not at all.
#pragma once

#include <string>

#include "host/util/BaseTypes.h"

class IDataBase;

class PdfExporter {
public:
    enum Mode { kPages, kSpreads };
    struct Result {
        ErrorCode error = kSuccess;
        std::string message; // one sentence when it failed
        int32 pageCount = 0; // PDF pages written
    };
    static Result Export(IDataBase* db, const std::string& path, Mode mode = kPages);
};
