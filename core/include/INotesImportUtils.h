// INotesImportUtils: the PDF side of the import, for the import command, the import dialog and the
// host's front ends: the import's pre-flight (one opening of the PDF that decides the whole pairing, or
// says in one sentence why the PDF cannot be imported), the one reading of an annotation dictionary,
// and opening a PDF. Stateless; lives on the host's utility object. Paths are full paths.
#pragma once

#include "NotesID.h"
#include "NotesImportPlan.h"
#include "NotesPDFAnnotationValues.h"
#include "host/database/UIDRef.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/pdf/PDDoc.h"
#include "host/util/PMString.h"

class INotesImportUtils : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INOTESIMPORTUTILS };

    // Opens the PDF once and plans its import into the document with the signed page offset: pages
    // when every pair of PDF page and document page has the same size, else spreads when every pair
    // with a spread does (sizes within just under one point, quarter-turned pages and spreads compared
    // with width and height swapped), else a failure. The plan holds the open PDF.
    virtual NotesImportPlan PlanImport(const PMString& pdfPath, const UIDRef& document, int32 pageOffset) = 0;
    // The values of one annotation as the import reads them, or why they cannot be read. Runs its own
    // exception frame.
    virtual NotesPDFAnnotationRead ReadAnnotation(PDAnnot annot) = 0;
    // Opens the file. Must be called inside the PDF library's exception frame: a file that cannot be
    // opened raises there. The caller closes the document with PDDocClose.
    virtual PDDoc OpenPDF(const PMString& pdfPath) = 0;
};
