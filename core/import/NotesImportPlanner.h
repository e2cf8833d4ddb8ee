// NotesImportPlanner: the import's pre-flight. Opens the PDF once, counts its pages, pairs them with
// the document's pages or spreads by the page offset, tests every pair by the one page-fit rule
// (NotesPageFit) and counts the annotations the document already holds. A PDF that cannot be imported
// ends the plan with a typed failure and one sentence naming the file and what is wrong with it.
#pragma once

#include "NotesImportPlan.h"
#include "host/database/UIDRef.h"
#include "host/pdf/ASTypes.h"
#include "host/util/Geometry.h"

#include <optional>
#include <vector>

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

    // The document's pages and spreads in order, from one walk over the spread list.
    struct Layout {
        std::vector<NotesImportPlan::Target> pages;   // each page with its spread
        std::vector<NotesImportPlan::Target> spreads; // each spread with its first page
        std::vector<int32> spreadIndexOfPage;
    };

    static Layout LayoutOf(const UIDRef& document);
    static bool Open(const PMString& pdfPath, NotesImportPlan* plan);
    static NotesImportPlan::Failure FailureOf(ASErrorCode code);
    static bool HasListedPages(PDDoc pdf);
    static bool Pair(const UIDRef& document, NotesImportPlan* plan);
    static bool Fit(const UIDRef& document, const PMString& pdfPath, NotesImportPlan* plan);
    // The first pair of PDF page and document page (spread) that does not fit; none when all fit.
    static Misfit FirstMisfit(IDataBase* db, const std::vector<NotesImportPlan::Target>& targets,
                              bool16 spreads, const NotesImportPlan& plan);
    static std::optional<PMRect> BoundsOf(IDataBase* db, const NotesImportPlan::Target& target,
                                          bool16 spreads);
    // The targets from the first one on, one per PDF page left, as far as the document has them.
    static std::vector<NotesImportPlan::Target> TargetsFrom(const std::vector<NotesImportPlan::Target>& all,
                                                            int32 first, const NotesImportPlan& plan);
    static void Fail(NotesImportPlan* plan, NotesImportPlan::Failure failure, const char* key,
                     const PMString& p1, const PMString& p2 = PMString(), const PMString& p3 = PMString(),
                     const PMString& p4 = PMString());
};
