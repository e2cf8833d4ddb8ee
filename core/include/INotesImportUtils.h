// INotesImportUtils: the PDF side of the import, for the import command and the import dialog: open a
// PDF, count its pages, test whether it opens, and test whether its pages fit the document's pages or
// spreads. Stateless; lives on the host's utility object. Paths are full paths.
#pragma once

#include "NotesID.h"
#include "host/database/UIDRef.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/pdf/PDDoc.h"
#include "host/util/Geometry.h"
#include "host/util/PMString.h"

class INotesImportUtils : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INOTESIMPORTUTILS };

    // The number of pages; 0 when the file cannot be opened or the PDF library is not available.
    virtual int32 GetPageCount(const PMString& pdfPath) = 0;
    // Whether every PDF page paired with a document page (by the signed page offset of the import) has
    // that page's size, within just under one point each way. False only when a compared pair differs.
    virtual bool16 DoPagesMatch(const PMString& pdfPath, const UIDRef& document, int32 pageOffset) = 0;
    // The same test against the document's spreads, for a PDF exported as spreads.
    virtual bool16 DoSpreadsMatch(const PMString& pdfPath, const UIDRef& document, int32 pageOffset) = 0;
    // Whether the file opens as a PDF (it is opened and closed again at once).
    virtual bool16 CanOpenPDF(const PMString& pdfPath) = 0;
    // Opens the file. Must be called inside the PDF library's exception frame: a file that cannot be
    // opened raises there. The caller closes the document with PDDocClose.
    virtual PDDoc OpenPDF(const PMString& pdfPath) = 0;
};
