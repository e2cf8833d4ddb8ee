// NotesImportSettings: INotesImportSettings held in memory. A new object imports every kind from an
// empty path with no page offset.
#pragma once

#include "INotesImportSettings.h"
#include "host/objectmodel/CPMUnknown.h"

class NotesImportSettings final : public CPMUnknown<INotesImportSettings> {
public:
    explicit NotesImportSettings(IPMUnknown* boss) : CPMUnknown<INotesImportSettings>(boss) {}

    void Set(const PMString& pdfPath, int32 pageOffset, bool16 importStickyNotes, bool16 importTextMarkups,
             bool16 importTextEdits, bool16 importDrawings) override;
    PMString GetPDFPath() const override { return fPDFPath; }
    int32 GetPageOffset() const override { return fPageOffset; }
    bool16 GetImportStickyNotes() const override { return fImportStickyNotes; }
    bool16 GetImportTextMarkups() const override { return fImportTextMarkups; }
    bool16 GetImportTextEdits() const override { return fImportTextEdits; }
    bool16 GetImportDrawings() const override { return fImportDrawings; }

private:
    PMString fPDFPath;
    bool16 fImportStickyNotes = kTrue;
    bool16 fImportTextMarkups = kTrue;
    bool16 fImportTextEdits = kTrue;
    bool16 fImportDrawings = kTrue;
    int32 fPageOffset = 0;
};
