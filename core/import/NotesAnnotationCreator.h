// NotesAnnotationCreator: turns one PDF annotation into a document annotation: reads its values,
// picks the creating command of its kind, fills the command's record (and drawn-markup data) and
// processes it on the target spread layer. An annotation for which nothing is made is counted as
// failed, and may be replaced by a "Not Imported" sticky note when the user asked for that.
#pragma once

#include "INotesAnnotation.h"
#include "NotesImportRun.h"
#include "NotesPDFAnnotationValues.h"
#include "NotesPDFPageFrame.h"

class NotesAnnotationCreator {
public:
    NotesAnnotationCreator(NotesImportRun& run, const NotesPDFPageFrame& frame, UID targetLayer)
        : fRun(run), fFrame(frame), fTargetLayer(targetLayer) {}

    // Creates the annotation from its values as read; answers the items made (empty when nothing was
    // placed, which counts as a failure).
    UIDList Create(const NotesPDFAnnotationValues& read);

    // The creating command class of a type, kInvalidClass when there is none.
    static ClassID CreatingCommandOf(int32 type);

private:
    // The record and drawn-markup data of the annotation, in pasteboard coordinates and swatches.
    struct Record {
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

    void RecordOf(const NotesPDFAnnotationValues& read, INotesAnnotation::NotesAnnotationType type,
                  Record* record);
    void ReadByType(const NotesPDFAnnotationValues& read, const PMRect& rect, Record* record);
    void ReadCaret(const NotesPDFAnnotationValues& read, const PMRect& rect, Record* record);
    // The swatch of colour components for an annotation of the type; kInvalidUID without components.
    UID Color(const std::vector<PMReal>& components, int32 type);
    // Runs the type's creating command; *ran tells whether there was one to run.
    UIDList Process(const Record& values, bool* ran);
    void CreateNotImportedNote(const Record& values);

    NotesImportRun& fRun;
    const NotesPDFPageFrame& fFrame;
    UID fTargetLayer;
};
