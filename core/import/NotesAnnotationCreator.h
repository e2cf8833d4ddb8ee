// NotesAnnotationCreator: turns one PDF annotation into a document annotation: reads its values,
// picks the creating command of its kind, fills the command's record (and drawn-markup data) and
// processes it on the target spread layer. An annotation for which nothing is made is counted as
// failed, and may be replaced by a "Not Imported" sticky note when the user asked for that.
#pragma once

#include "INotesAnnotation.h"
#include "NotesImportRun.h"
#include "NotesPDFPageFrame.h"
#include "host/pdf/PDPage.h"

class NotesAnnotationCreator {
public:
    NotesAnnotationCreator(NotesImportRun& run, PDPage page, const NotesPDFPageFrame& frame, UID targetLayer)
        : fRun(run), fPage(page), fFrame(frame), fTargetLayer(targetLayer) {}

    // Creates the annotation; answers the items made (empty when nothing was placed).
    UIDList Create(PDAnnot annot, INotesAnnotation::NotesAnnotationType type);

    // The creating command class of a type, kInvalidClass when there is none.
    static ClassID CreatingCommandOf(int32 type);

private:
    struct Values {
        INotesAnnotation::NotesAnnotationType type = INotesAnnotation::kUnknownAnnotation;
        PMPointList points;
        UID color = kInvalidUID;
        UID secondColor = kInvalidUID;
        bool16 canShowPopup = kTrue;
        PMString content;
        PMString author;
        IDTime date;
        PMReal borderWidth = 1.0;
        int32 borderStyle = 1;
        ClassID startArrowhead = kInvalidClass;
        ClassID endArrowhead = kInvalidClass;
        UID linkedItem = kInvalidUID;
    };

    bool Read(PDAnnot annot, INotesAnnotation::NotesAnnotationType type, Values* values);
    void ReadByType(CosObj dict, const PMRect& rect, Values* values);
    void ReadCaret(CosObj dict, const PMRect& rect, Values* values);
    void ReadLineEndings(CosObj dict, Values* values, bool startOnly);
    UID Color(CosObj dict, const char* key, int32 type);
    UIDList Process(const Values& values);
    void CreateNotImportedNote(const Values& values);
    void DeleteMarkersOf(UID strikeOutItem);

    NotesImportRun& fRun;
    PDPage fPage;
    const NotesPDFPageFrame& fFrame;
    UID fTargetLayer;
};
