#include "NotesImportUtils.h"

#include <memory>

#include "NotesImportPlanner.h"
#include "NotesPDFAnnotationReader.h"
#include "host/pdf/PdfLibrary.h"

namespace {
struct TextDestroyer {
    void operator()(ASTextRec* text) const { ASTextDestroy(text); }
};

struct PathNameReleaser {
    void operator()(ASPathNameRec* pathName) const { ASFileSysReleasePathName(nullptr, pathName); }
};
} // namespace

NotesImportPlan NotesImportUtils::PlanImport(const PMString& pdfPath, const UIDRef& document,
                                             int32 pageOffset) {
    return NotesImportPlanner::Plan(pdfPath, document, pageOffset);
}

NotesPDFAnnotationRead NotesImportUtils::ReadAnnotation(PDAnnot annot) {
    return NotesPDFAnnotationReader::Read(annot);
}

PDDoc NotesImportUtils::OpenPDF(const PMString& pdfPath) {
    std::u16string units = pdfPath.GetUTF16();
    const std::unique_ptr<ASTextRec, TextDestroyer> text(
        ASTextFromUnicode(reinterpret_cast<const ASUTF16Val*>(units.c_str()), kUTF16HostEndian));
    const std::unique_ptr<ASPathNameRec, PathNameReleaser> pathName(
        ASFileSysCreatePathName(nullptr, ASAtomFromString("DIPathWithASText"), text.get(), nullptr));
    return PDDocOpen(pathName.get(), nullptr, nullptr, ASFalse);
}
