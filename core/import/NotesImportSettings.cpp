#include "NotesImportSettings.h"

void NotesImportSettings::Set(const PMString& pdfPath, int32 pageOffset, bool16 importStickyNotes,
                              bool16 importTextMarkups, bool16 importTextEdits, bool16 importDrawings) {
    fPDFPath = pdfPath;
    fPageOffset = pageOffset;
    fImportStickyNotes = importStickyNotes;
    fImportTextMarkups = importTextMarkups;
    fImportTextEdits = importTextEdits;
    fImportDrawings = importDrawings;
}
