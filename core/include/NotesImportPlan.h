// NotesImportPlan: what importing one PDF into one document will do, decided before anything changes:
// whether the PDF's pages pair with the document's pages or with its spreads, where the pairing starts
// by the page offset and how many pairs there are, how many annotations the document holds already,
// and the open PDF that the import then reads. A PDF that cannot be imported at all gives a typed
// failure and one sentence saying what is wrong with it.
#pragma once

#include <memory>
#include <vector>

#include "host/database/UID.h"

#include "host/pdf/PDDoc.h"
#include "host/util/PMString.h"

struct NotesImportPlan {
    // Where one PDF page goes: the document page (for a spread, its first page) and the spread.
    struct Target {
        UID page = kInvalidUID;
        UID spread = kInvalidUID;
    };

    enum Failure : int32 {
        kNoFailure = 0,
        kNoPDFLibrary,     // the host's PDF library is not available
        kNoSuchFile,       // nothing at the path
        kUnreadableFile,   // a folder, or a file that may not be read
        kNotAPDF,          // the file is not a PDF at all
        kDamaged,          // a PDF damaged beyond repair
        kNeedsPassword,    // encrypted with a user password
        kNoPages,          // a page tree without pages
        kNoReachablePages, // a page tree that lists pages none of which can be reached
        kPageTreeLoops,    // a page tree in which a node is its own ancestor
        kOffsetPairsNoPage,
        kPagesDoNotFit, // neither the pages nor the spreads have the PDF pages' sizes
    };

    Failure failure = kNoFailure;
    PMString message; // one sentence a person can act on, set with every failure

    bool16 spreads = kFalse; // pairs PDF pages with spreads (a PDF exported as spreads)
    int32 offset = 0;        // the signed page offset: +n puts PDF page 1 on document page n+1
    int32 pdfStart = 0;      // the first PDF page paired (0-based)
    int32 docStart = 0;      // the first document page paired, or the page whose spread is first
    int32 firstSpread = 0;   // with spreads, the index of the first spread paired
    int32 pairCount = 0;     // PDF pages that find a page or spread
    int32 pdfPageCount = 0;
    int32 docPageCount = 0;
    int32 existingAnnotations = 0; // annotations the document holds before the import
    std::vector<Target> targets;   // one per pair, for PDF pages pdfStart, pdfStart + 1, ...

    // The PDF, open while any copy of the plan holds it; null when the plan failed.
    std::shared_ptr<PDDocRec> pdf;

    bool16 IsImportable() const { return failure == kNoFailure ? kTrue : kFalse; }
};
