// INotesImportSettings: what one import is to do: the PDF file, how its pages are offset against the
// document's pages, and which kinds of annotations to bring in. One copy lives on the import command,
// another on the application-wide object for the import dialog. Nothing of it is ever stored.
#pragma once

#include "NotesID.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/PMString.h"

class INotesImportSettings : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INOTESIMPORTSETTINGS };

    // Replaces every field. A positive page offset n pairs PDF page 1 with document page n + 1; a
    // negative offset -n skips the first n PDF pages.
    virtual void Set(const PMString& pdfPath, int32 pageOffset, bool16 importStickyNotes,
                     bool16 importTextMarkups, bool16 importTextEdits, bool16 importDrawings) = 0;
    // The full path of the PDF file.
    virtual PMString GetPDFPath() const = 0;
    virtual int32 GetPageOffset() const = 0;
    // Sticky notes.
    virtual bool16 GetImportStickyNotes() const = 0;
    // Highlights, underlines and squiggly underlines.
    virtual bool16 GetImportTextMarkups() const = 0;
    // Strike-throughs, replacements and carets.
    virtual bool16 GetImportTextEdits() const = 0;
    // Lines, polylines, polygons, circles, squares and free text.
    virtual bool16 GetImportDrawings() const = 0;
};
