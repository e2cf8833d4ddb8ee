#include "NotesImportPlanner.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "INotesImportUtils.h"
#include "INotesLayerManager.h"
#include "NotesPageFit.h"
#include "host/document/IGeometry.h"
#include "host/document/IHierarchy.h"
#include "host/document/IPageList.h"
#include "host/document/ISpread.h"
#include "host/document/ISpreadList.h"
#include "host/document/ITransform.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/pdf/PDFLibraryRef.h"
#include "host/pdf/PdfLibrary.h"
#include "host/util/StringUtils.h"
#include "lifecycle/NotesFailureLog.h"

namespace {
using Plan = NotesImportPlan;

struct DocumentCloser {
    void operator()(PDDocRec* doc) const { PDDocClose(doc); }
};

PMString Number(int64 value) {
    return PMString(std::to_string(value));
}

// "612 x 792" in points, to a tenth of a point.
PMString SizeOf(const PMRect& box) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4g x %.4g", static_cast<double>(box.Width()),
                  static_cast<double>(box.Height()));
    return PMString(text);
}

// The bounds and rotation of a document page or spread, compared by the page-fit rule.
bool16 FitsItem(const UIDRef& item, const PMRect& bounds, const PMRect& pdfBox) {
    InterfacePtr<ITransform> transform(item, IID_ITRANSFORM);
    if (!NOTES_CHECK_NIL(transform))
        return kFalse;
    return NotesPageFit::Fits(bounds, transform->GetItemRotationAngle(), pdfBox);
}
} // namespace

NotesImportPlan NotesImportPlanner::Plan(const PMString& pdfPath, const UIDRef& document, int32 pageOffset) {
    NotesImportPlan plan;
    plan.offset = pageOffset;
    if (!Open(pdfPath, &plan) || !Pair(document, &plan))
        return plan;
    bool fits = false;
    DURING
    fits = Fit(document, pdfPath, &plan);
    HANDLER
    Fail(&plan, Plan::kDamaged, NOTES_KEY(kNotesPlanDamagedKey), pdfPath);
    END_HANDLER
    if (!fits)
        return plan;
    InterfacePtr<INotesLayerManager> layerManager(document, IID_INOTESLAYERMANAGER);
    plan.existingAnnotations = layerManager ? layerManager->CountAnnotations() : 0;
    return plan;
}

bool NotesImportPlanner::Open(const PMString& pdfPath, NotesImportPlan* plan) {
    PDFLibraryRef pdflRef;
    pdflRef.Acquire();
    if (!NOTES_CHECK_TRUE(pdflRef.IsAvailable())) {
        Fail(plan, Plan::kNoPDFLibrary, NOTES_KEY(kNotesPlanNoPDFLibraryKey), pdfPath);
        return false;
    }
    Utils<INotesImportUtils> importUtils;
    if (!NOTES_CHECK_NIL(importUtils)) {
        Fail(plan, Plan::kNoPDFLibrary, NOTES_KEY(kNotesPlanNoPDFLibraryKey), pdfPath);
        return false;
    }
    ASErrorCode error = genErrNoError;
    bool listsPages = false;
    DURING
    plan->pdf.reset(importUtils->OpenPDF(pdfPath), DocumentCloser());
    plan->pdfPageCount = PDDocGetNumPages(plan->pdf.get());
    listsPages = plan->pdfPageCount == 0 && HasListedPages(plan->pdf.get());
    HANDLER
    error = ERRORCODE;
    END_HANDLER
    if (error != genErrNoError)
        plan->failure = FailureOf(error);
    else if (plan->pdfPageCount == 0)
        plan->failure = listsPages ? Plan::kNoReachablePages : Plan::kNoPages;
    static constexpr const char* kKeys[] = {
        "",
        NOTES_KEY(kNotesPlanNoPDFLibraryKey),
        NOTES_KEY(kNotesPlanNoSuchFileKey),
        NOTES_KEY(kNotesPlanUnreadableFileKey),
        NOTES_KEY(kNotesPlanNotAPDFKey),
        NOTES_KEY(kNotesPlanDamagedKey),
        NOTES_KEY(kNotesPlanNeedsPasswordKey),
        NOTES_KEY(kNotesPlanNoPagesKey),
        NOTES_KEY(kNotesPlanNoReachablePagesKey),
        NOTES_KEY(kNotesPlanPageTreeLoopsKey),
    };
    static_assert(std::size(kKeys) == Plan::kPageTreeLoops + 1, "a sentence for every failure of opening");
    if (plan->failure == Plan::kNoFailure)
        return true;
    Fail(plan, plan->failure, kKeys[plan->failure], pdfPath);
    return false;
}

NotesImportPlan::Failure NotesImportPlanner::FailureOf(ASErrorCode code) {
    switch (code) {
    case fileErrFNF:
        return Plan::kNoSuchFile;
    case fileErrIO:
        return Plan::kUnreadableFile;
    case pdErrNotPDF:
        return Plan::kNotAPDF;
    case pdErrNeedPassword:
        return Plan::kNeedsPassword;
    case pdErrPageTreeLoop:
        return Plan::kPageTreeLoops;
    case pdErrBadPageTree:
        return Plan::kNoReachablePages;
    default:
        return Plan::kDamaged;
    }
}

// Whether the catalog's page tree names any kid or counts any page, though none can be reached.
bool NotesImportPlanner::HasListedPages(PDDoc pdf) {
    const CosObj pages = CosDictGetKeyString(PDDocGetCosRoot(pdf), "Pages");
    const CosObj kids = CosDictGetKeyString(pages, "Kids");
    const CosObj count = CosDictGetKeyString(pages, "Count");
    return (CosObjGetType(kids) == CosArray && CosArrayLength(kids) > 0) ||
           (CosObjGetType(count) == CosInteger && CosIntegerValue(count) > 0);
}

// The offset must pair at least one PDF page with a document page: -pdfPages < offset < docPages.
bool NotesImportPlanner::Pair(const UIDRef& document, NotesImportPlan* plan) {
    InterfacePtr<IPageList> pageList(document, IID_IPAGELIST);
    plan->docPageCount = pageList ? pageList->GetPageCount() : 0;
    const int64 offset = plan->offset;
    if (offset < plan->docPageCount && -offset < plan->pdfPageCount) {
        plan->pdfStart = static_cast<int32>(std::max<int64>(-offset, 0));
        plan->docStart = static_cast<int32>(std::max<int64>(offset, 0));
        return true;
    }
    const PMString range =
        Number(1 - int64{plan->pdfPageCount}) + PMString(" to ") + Number(int64{plan->docPageCount} - 1);
    Fail(plan, Plan::kOffsetPairsNoPage, NOTES_KEY(kNotesPlanOffsetPairsNoPageKey), Number(offset),
         Number(plan->pdfPageCount), Number(plan->docPageCount), range);
    plan->pdf.reset();
    return false;
}

// Pages when every page pair fits, else spreads when every spread pair does. The sentence of a
// failure names the first page pair that does not fit.
bool NotesImportPlanner::Fit(const UIDRef& document, const PMString& pdfPath, NotesImportPlan* plan) {
    const Misfit pageMisfit = FirstPageMisfit(document, *plan);
    if (pageMisfit.pdfIndex < 0) {
        plan->pairCount = std::min(plan->pdfPageCount - plan->pdfStart, plan->docPageCount - plan->docStart);
        return true;
    }
    plan->firstSpread = SpreadIndexOfPage(document, plan->docStart);
    InterfacePtr<ISpreadList> spreadList(document, IID_ISPREADLIST);
    if (plan->firstSpread >= 0 && spreadList && FirstSpreadMisfit(document, *plan).pdfIndex < 0) {
        plan->spreads = kTrue;
        plan->pairCount =
            std::min(plan->pdfPageCount - plan->pdfStart, spreadList->GetSpreadCount() - plan->firstSpread);
        return true;
    }
    Fail(plan, Plan::kPagesDoNotFit, NOTES_KEY(kNotesPlanPagesDoNotFitKey), pdfPath,
         Number(pageMisfit.pdfIndex + 1), SizeOf(pageMisfit.pdfBox), SizeOf(pageMisfit.bounds));
    return false;
}

NotesImportPlanner::Misfit NotesImportPlanner::FirstPageMisfit(const UIDRef& document,
                                                               const NotesImportPlan& plan) {
    InterfacePtr<IPageList> pageList(document, IID_IPAGELIST);
    if (!NOTES_CHECK_NIL(pageList))
        return {0, PMRect(), PMRect()};
    for (int32 k = 0; plan.pdfStart + k < plan.pdfPageCount && plan.docStart + k < plan.docPageCount; ++k) {
        const PMRect pdfBox = NotesPageFit::PDFPageBox(PDDocAcquirePage(plan.pdf.get(), plan.pdfStart + k));
        const UIDRef page(document.GetDataBase(), pageList->GetNthPageUID(plan.docStart + k));
        InterfacePtr<IGeometry> geometry(page, IID_IGEOMETRY);
        if (!NOTES_CHECK_NIL(geometry))
            return {plan.pdfStart + k, pdfBox, PMRect()};
        if (!FitsItem(page, geometry->GetPathBoundingBox(), pdfBox))
            return {plan.pdfStart + k, pdfBox, geometry->GetPathBoundingBox()};
    }
    return {};
}

NotesImportPlanner::Misfit NotesImportPlanner::FirstSpreadMisfit(const UIDRef& document,
                                                                 const NotesImportPlan& plan) {
    InterfacePtr<ISpreadList> spreadList(document, IID_ISPREADLIST);
    for (int32 k = 0;
         plan.pdfStart + k < plan.pdfPageCount && plan.firstSpread + k < spreadList->GetSpreadCount(); ++k) {
        const PMRect pdfBox = NotesPageFit::PDFPageBox(PDDocAcquirePage(plan.pdf.get(), plan.pdfStart + k));
        const UIDRef spreadRef(document.GetDataBase(), spreadList->GetNthSpreadUID(plan.firstSpread + k));
        InterfacePtr<ISpread> spread(spreadRef, IID_ISPREAD);
        if (!NOTES_CHECK_NIL(spread))
            return {plan.pdfStart + k, pdfBox, PMRect()};
        if (!FitsItem(spreadRef, spread->GetPagesBounds(), pdfBox))
            return {plan.pdfStart + k, pdfBox, spread->GetPagesBounds()};
    }
    return {};
}

int32 NotesImportPlanner::SpreadIndexOfPage(const UIDRef& document, int32 pageIndex) {
    InterfacePtr<IPageList> pageList(document, IID_IPAGELIST);
    if (!NOTES_CHECK_NIL(pageList))
        return -1;
    const UID pageUID = pageList->GetNthPageUID(pageIndex);
    if (!NOTES_CHECK_TRUE(pageUID != kInvalidUID))
        return -1;
    InterfacePtr<IHierarchy> pageHierarchy(UIDRef(document.GetDataBase(), pageUID), IID_IHIERARCHY);
    if (!NOTES_CHECK_NIL(pageHierarchy))
        return -1;
    const UID spreadUID = pageHierarchy->GetSpreadUID();
    if (!NOTES_CHECK_TRUE(spreadUID != kInvalidUID))
        return -1;
    InterfacePtr<ISpreadList> spreadList(document, IID_ISPREADLIST);
    return spreadList ? spreadList->GetSpreadIndex(spreadUID) : -1;
}

void NotesImportPlanner::Fail(NotesImportPlan* plan, NotesImportPlan::Failure failure, const char* key,
                              const PMString& p1, const PMString& p2, const PMString& p3,
                              const PMString& p4) {
    plan->failure = failure;
    plan->message = PMString(key, PMString::kTranslateDuringCall);
    StringUtils::ReplaceStringParameters(&plan->message, p1, p2, p3, p4);
    plan->pdf.reset();
}
