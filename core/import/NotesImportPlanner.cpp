#include "NotesImportPlanner.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>

#include "INotesImportUtils.h"
#include "INotesLayerManager.h"
#include "NotesPageFit.h"
#include "host/database/UIDList.h"
#include "host/document/IGeometry.h"
#include "host/document/IPageList.h"
#include "host/document/ISpread.h"
#include "host/document/ISpreadList.h"
#include "host/document/ITransform.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/pdf/PDFLibraryRef.h"
#include "host/pdf/PdfLibrary.h"
#include "host/util/StringUtils.h"
#include "NotesFailureLog.h"

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
    const Layout layout = LayoutOf(document);
    IDataBase* db = document.GetDataBase();
    std::vector<NotesImportPlan::Target> pages = TargetsFrom(layout.pages, plan->docStart, *plan);
    const Misfit pageMisfit = FirstMisfit(db, pages, kFalse, *plan);
    if (pageMisfit.pdfIndex < 0) {
        plan->targets = std::move(pages);
        plan->pairCount = static_cast<int32>(plan->targets.size());
        return true;
    }
    if (plan->docStart < static_cast<int32>(layout.spreadIndexOfPage.size())) {
        plan->firstSpread = layout.spreadIndexOfPage[static_cast<size_t>(plan->docStart)];
        std::vector<NotesImportPlan::Target> spreads = TargetsFrom(layout.spreads, plan->firstSpread, *plan);
        if (FirstMisfit(db, spreads, kTrue, *plan).pdfIndex < 0) {
            plan->spreads = kTrue;
            plan->targets = std::move(spreads);
            plan->pairCount = static_cast<int32>(plan->targets.size());
            return true;
        }
    }
    Fail(plan, Plan::kPagesDoNotFit, NOTES_KEY(kNotesPlanPagesDoNotFitKey), pdfPath,
         Number(pageMisfit.pdfIndex + 1), SizeOf(pageMisfit.pdfBox), SizeOf(pageMisfit.bounds));
    return false;
}

NotesImportPlanner::Layout NotesImportPlanner::LayoutOf(const UIDRef& document) {
    Layout layout;
    InterfacePtr<ISpreadList> spreadList(document, IID_ISPREADLIST);
    if (!NOTES_CHECK_NIL(spreadList))
        return layout;
    for (int32 i = 0; i < spreadList->GetSpreadCount(); ++i) {
        const UID spreadUID = spreadList->GetNthSpreadUID(i);
        InterfacePtr<ISpread> spread(UIDRef(document.GetDataBase(), spreadUID), IID_ISPREAD);
        if (!NOTES_CHECK_NIL(spread))
            break;
        const UIDList pages = spread->GetPageUIDs();
        layout.spreads.push_back({pages.IsEmpty() ? kInvalidUID : pages.At(0), spreadUID});
        for (const UID page : pages.GetUIDs()) {
            layout.pages.push_back({page, spreadUID});
            layout.spreadIndexOfPage.push_back(i);
        }
    }
    return layout;
}

std::vector<NotesImportPlan::Target>
NotesImportPlanner::TargetsFrom(const std::vector<NotesImportPlan::Target>& all, int32 first,
                                const NotesImportPlan& plan) {
    const size_t begin = std::min(all.size(), static_cast<size_t>(first));
    const size_t count = std::min(all.size() - begin, static_cast<size_t>(plan.pdfPageCount - plan.pdfStart));
    return std::vector<NotesImportPlan::Target>(all.begin() + static_cast<std::ptrdiff_t>(begin),
                                                all.begin() + static_cast<std::ptrdiff_t>(begin + count));
}

NotesImportPlanner::Misfit
NotesImportPlanner::FirstMisfit(IDataBase* db, const std::vector<NotesImportPlan::Target>& targets,
                                bool16 spreads, const NotesImportPlan& plan) {
    for (size_t k = 0; k < targets.size(); ++k) {
        const int32 pdfIndex = plan.pdfStart + static_cast<int32>(k);
        const PMRect pdfBox = NotesPageFit::PDFPageBox(PDDocAcquirePage(plan.pdf.get(), pdfIndex));
        const std::optional<PMRect> bounds = BoundsOf(db, targets[k], spreads);
        if (!bounds)
            return {pdfIndex, pdfBox, PMRect()};
        if (!FitsItem(UIDRef(db, spreads ? targets[k].spread : targets[k].page), *bounds, pdfBox))
            return {pdfIndex, pdfBox, *bounds};
    }
    return {};
}

// A page's bounds, or all pages' bounds of a spread, in inner coordinates; none when missing.
std::optional<PMRect> NotesImportPlanner::BoundsOf(IDataBase* db, const NotesImportPlan::Target& target,
                                                   bool16 spreads) {
    if (spreads) {
        InterfacePtr<ISpread> spread(UIDRef(db, target.spread), IID_ISPREAD);
        return NOTES_CHECK_NIL(spread) ? std::optional<PMRect>(spread->GetPagesBounds()) : std::nullopt;
    }
    InterfacePtr<IGeometry> geometry(UIDRef(db, target.page), IID_IGEOMETRY);
    return NOTES_CHECK_NIL(geometry) ? std::optional<PMRect>(geometry->GetPathBoundingBox()) : std::nullopt;
}

void NotesImportPlanner::Fail(NotesImportPlan* plan, NotesImportPlan::Failure failure, const char* key,
                              const PMString& p1, const PMString& p2, const PMString& p3,
                              const PMString& p4) {
    plan->failure = failure;
    plan->message = PMString(key, PMString::kTranslateDuringCall);
    StringUtils::ReplaceStringParameters(&plan->message, p1, p2, p3, p4);
    plan->pdf.reset();
}
