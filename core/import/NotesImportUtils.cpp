#include "NotesImportUtils.h"

#include <algorithm>
#include <memory>

#include "NotesPageFit.h"
#include "host/document/IGeometry.h"
#include "host/document/IHierarchy.h"
#include "host/document/IPageList.h"
#include "host/document/ISpread.h"
#include "host/document/ISpreadList.h"
#include "host/document/ITransform.h"
#include "host/objectmodel/InterfacePtr.h"

#include "host/pdf/PdfLibrary.h"
#include "lifecycle/NotesFailureLog.h"

namespace {
// PDF numbers are 16.16 fixed-point values.
PMReal RealOf(ASFixed value) {
    return value * 1.52587890625e-05;
}

struct TextDestroyer {
    void operator()(ASTextRec* text) const { ASTextDestroy(text); }
};

struct PathNameReleaser {
    void operator()(ASPathNameRec* pathName) const { ASFileSysReleasePathName(nullptr, pathName); }
};

// Closes a document when the block that opened it ends, also when a library call raised.
struct DocumentCloser {
    void operator()(PDDocRec* doc) const { PDDocClose(doc); }
};
} // namespace

template <class Body> bool NotesImportUtils::WithOpenPDF(const PMString& pdfPath, Body body) {
    PDFLibraryRef pdflRef;
    pdflRef.Acquire();
    if (!NOTES_CHECK_TRUE(pdflRef.IsAvailable()))
        return false;
    bool done = false;
    DURING
    std::unique_ptr<PDDocRec, DocumentCloser> doc(OpenPDF(pdfPath));
    body(doc.get());
    done = true;
    HANDLER
    END_HANDLER
    return done;
}

int32 NotesImportUtils::GetPageCount(const PMString& pdfPath) {
    int32 pageCount = 0;
    WithOpenPDF(pdfPath, [&](PDDoc doc) { pageCount = PDDocGetNumPages(doc); });
    return pageCount;
}

bool16 NotesImportUtils::DoPagesMatch(const PMString& pdfPath, const UIDRef& document, int32 pageOffset) {
    bool16 match = kTrue;
    WithOpenPDF(pdfPath, [&](PDDoc doc) { ComparePages(doc, document, pageOffset, &match); });
    return match;
}

bool16 NotesImportUtils::DoSpreadsMatch(const PMString& pdfPath, const UIDRef& document, int32 pageOffset) {
    bool16 match = kTrue;
    WithOpenPDF(pdfPath, [&](PDDoc doc) { CompareSpreads(doc, document, pageOffset, &match); });
    return match;
}

bool16 NotesImportUtils::CanOpenPDF(const PMString& pdfPath) {
    return WithOpenPDF(pdfPath, [](PDDoc) {}) ? kTrue : kFalse;
}

PDDoc NotesImportUtils::OpenPDF(const PMString& pdfPath) {
    std::u16string units = pdfPath.GetUTF16();
    const std::unique_ptr<ASTextRec, TextDestroyer> text(
        ASTextFromUnicode(reinterpret_cast<const ASUTF16Val*>(units.c_str()), kUTF16HostEndian));
    const std::unique_ptr<ASPathNameRec, PathNameReleaser> pathName(
        ASFileSysCreatePathName(nullptr, ASAtomFromString("DIPathWithASText"), text.get(), nullptr));
    return PDDocOpen(pathName.get(), nullptr, nullptr, ASFalse);
}

void NotesImportUtils::ComparePages(PDDoc doc, const UIDRef& document, int32 pageOffset, bool16* match) {
    InterfacePtr<IPageList> pageList(document, IID_IPAGELIST);
    if (!NOTES_CHECK_NIL(pageList))
        return;
    const int64 pdfPageCount = PDDocGetNumPages(doc);
    const int64 pageCount = pageList->GetPageCount();
    // 64-bit indices: any 32-bit offset keeps the pairing in range.
    for (int64 pdfIndex = std::max<int64>(-int64{pageOffset}, 0);
         pdfIndex < pdfPageCount && pdfIndex + pageOffset < pageCount; ++pdfIndex) {
        const PMRect pdfBox = PageBox(doc, static_cast<int32>(pdfIndex));
        const UID pageUID = pageList->GetNthPageUID(static_cast<int32>(pdfIndex + pageOffset));
        if (!NOTES_CHECK_TRUE(pageUID != kInvalidUID))
            return;
        InterfacePtr<IGeometry> geometry(UIDRef(document.GetDataBase(), pageUID), IID_IGEOMETRY);
        if (!NOTES_CHECK_NIL(geometry))
            return;
        InterfacePtr<ITransform> pageTransform(UIDRef(document.GetDataBase(), pageUID), IID_ITRANSFORM);
        if (!NOTES_CHECK_NIL(pageTransform))
            return;
        if (!NotesPageFit::Fits(geometry->GetPathBoundingBox(), pageTransform->GetItemRotationAngle(),
                                pdfBox)) {
            *match = kFalse;
            return;
        }
    }
}

void NotesImportUtils::CompareSpreads(PDDoc doc, const UIDRef& document, int32 pageOffset, bool16* match) {
    InterfacePtr<ISpreadList> spreadList(document, IID_ISPREADLIST);
    if (!NOTES_CHECK_NIL(spreadList))
        return;
    const int32 firstSpread = SpreadIndexOfPage(document, std::max(pageOffset, 0));
    if (firstSpread < 0)
        return;
    const int64 pdfPageCount = PDDocGetNumPages(doc);
    int32 spreadIndex = firstSpread;
    for (int64 pdfIndex = std::max<int64>(-int64{pageOffset}, 0);
         pdfIndex < pdfPageCount && spreadIndex < spreadList->GetSpreadCount(); ++pdfIndex, ++spreadIndex) {
        const PMRect pdfBox = PageBox(doc, static_cast<int32>(pdfIndex));
        const UIDRef spreadRef(document.GetDataBase(), spreadList->GetNthSpreadUID(spreadIndex));
        InterfacePtr<ISpread> spread(spreadRef, IID_ISPREAD);
        if (!NOTES_CHECK_NIL(spread))
            return;
        InterfacePtr<IGeometry> spreadGeometry(spreadRef, IID_IGEOMETRY);
        if (!NOTES_CHECK_NIL(spreadGeometry))
            return;
        InterfacePtr<ITransform> spreadTransform(spreadRef, IID_ITRANSFORM);
        if (!NOTES_CHECK_NIL(spreadTransform))
            return;
        if (!NotesPageFit::Fits(spreadGeometry->GetPathBoundingBox(), spreadTransform->GetItemRotationAngle(),
                                pdfBox)) {
            *match = kFalse;
            return;
        }
    }
}

int32 NotesImportUtils::SpreadIndexOfPage(const UIDRef& document, int32 pageIndex) {
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

PMRect NotesImportUtils::PageBox(PDDoc doc, int32 pdfIndex) {
    const PDPage page = PDDocAcquirePage(doc, pdfIndex);
    ASFixedRect box;
    PDPageGetMediaBox(page, &box);
    PDPageGetBox(page, ASAtomFromString("TrimBox"), &box);
    // The host rectangle's top is the smaller y: the PDF box's lower edge.
    return PMRect(RealOf(box.left), RealOf(box.bottom), RealOf(box.right), RealOf(box.top));
}
