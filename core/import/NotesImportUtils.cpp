#include "NotesImportUtils.h"

#include <memory>

#include "host/pdf/PdfLibrary.h"
#include "lifecycle/NotesFailureLog.h"

namespace {
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

// The document's pages are not yet reachable from this host (it has no page list), so there is
// nothing to compare: the answer is the one that stands before any pair is tested.
bool16 NotesImportUtils::DoPagesMatch(const PMString& /*pdfPath*/, const UIDRef& /*document*/,
                                      int32 /*pageOffset*/) {
    NOTES_LOG_NIL("pageList");
    return kTrue;
}

bool16 NotesImportUtils::DoSpreadsMatch(const PMString& /*pdfPath*/, const UIDRef& /*document*/,
                                        int32 /*pageOffset*/) {
    NOTES_LOG_NIL("pageList");
    return kTrue;
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
