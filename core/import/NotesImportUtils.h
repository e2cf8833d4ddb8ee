// NotesImportUtils: INotesImportUtils on the host's PDF library: the pre-flight is NotesImportPlanner,
// the reading of an annotation NotesPDFAnnotationReader.
#pragma once

#include "INotesImportUtils.h"
#include "host/objectmodel/CPMUnknown.h"

class NotesImportUtils final : public CPMUnknown<INotesImportUtils> {
public:
    explicit NotesImportUtils(IPMUnknown* boss) : CPMUnknown<INotesImportUtils>(boss) {}

    NotesImportPlan PlanImport(const PMString& pdfPath, const UIDRef& document, int32 pageOffset) override;
    NotesPDFAnnotationRead ReadAnnotation(PDAnnot annot) override;
    PDDoc OpenPDF(const PMString& pdfPath) override;
};
