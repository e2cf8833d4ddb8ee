// NotesImportUtils: INotesImportUtils on the host's PDF library. Each test holds a reference to the
// library for its span, runs every library call inside an exception frame and answers the value that
// stands when the library is missing or raises: 0 pages, cannot open, pages match. Page and spread
// sizes are compared by NotesPageFit (just under one point each way, quarter turns swapped).
#pragma once

#include "INotesImportUtils.h"
#include "host/objectmodel/CPMUnknown.h"

class NotesImportUtils final : public CPMUnknown<INotesImportUtils> {
public:
    explicit NotesImportUtils(IPMUnknown* boss) : CPMUnknown<INotesImportUtils>(boss) {}

    int32 GetPageCount(const PMString& pdfPath) override;
    bool16 DoPagesMatch(const PMString& pdfPath, const UIDRef& document, int32 pageOffset) override;
    bool16 DoSpreadsMatch(const PMString& pdfPath, const UIDRef& document, int32 pageOffset) override;
    bool16 CanOpenPDF(const PMString& pdfPath) override;
    PDDoc OpenPDF(const PMString& pdfPath) override;

private:
    // Runs body (library calls on the opened document) inside an exception frame while the library is
    // referenced; false when the library is unavailable, the file does not open or a call raised.
    template <class Body> bool WithOpenPDF(const PMString& pdfPath, Body body);
    // Pair the PDF's pages with the document's pages (spreads) by the offset and clear *match at the
    // first pair whose sizes differ. A missing object ends the comparison with *match as it stands.
    static void ComparePages(PDDoc doc, const UIDRef& document, int32 pageOffset, bool16* match);
    static void CompareSpreads(PDDoc doc, const UIDRef& document, int32 pageOffset, bool16* match);
    // The index in the spread list of the spread holding a document page; -1 when there is none.
    static int32 SpreadIndexOfPage(const UIDRef& document, int32 pageIndex);
    // The page's TrimBox, else its MediaBox, as a host rectangle.
    static PMRect PageBox(PDDoc doc, int32 pdfIndex);
};
