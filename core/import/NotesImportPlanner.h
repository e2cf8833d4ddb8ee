// NotesImportPlanner: the import's pre-flight. Opens the PDF once, counts its pages, pairs them with
// the document's pages or spreads by the page offset, tests every pair by the one page-fit rule
// (NotesPageFit) and counts the annotations the document already holds. A PDF that cannot be imported
// ends the plan with a typed failure and one sentence naming the file and what is wrong with it.
#pragma once

#include "NotesImportPlan.h"
#include "host/database/UIDRef.h"
#include "host/pdf/ASTypes.h"
#include "host/util/Geometry.h"

class NotesImportPlanner {
public:
    static NotesImportPlan Plan(const PMString& pdfPath, const UIDRef& document, int32 pageOffset);

private:
    // A pair that does not fit: the PDF page (0-based) and both sizes.
    struct Misfit {
        int32 pdfIndex = -1;
        PMRect pdfBox;
        PMRect bounds;
    };

    static bool Open(const PMString& pdfPath, NotesImportPlan* plan);
    static NotesImportPlan::Failure FailureOf(ASErrorCode code);
    static bool HasListedPages(PDDoc pdf);
    static bool Pair(const UIDRef& document, NotesImportPlan* plan);
    static bool Fit(const UIDRef& document, const PMString& pdfPath, NotesImportPlan* plan);
    // The first pair of PDF page and document page (spread) that does not fit; none when all fit.
    static Misfit FirstPageMisfit(const UIDRef& document, const NotesImportPlan& plan);
    static Misfit FirstSpreadMisfit(const UIDRef& document, const NotesImportPlan& plan);
    static int32 SpreadIndexOfPage(const UIDRef& document, int32 pageIndex);
    static void Fail(NotesImportPlan* plan, NotesImportPlan::Failure failure, const char* key,
                     const PMString& p1, const PMString& p2 = PMString(), const PMString& p3 = PMString(),
                     const PMString& p4 = PMString());
};
