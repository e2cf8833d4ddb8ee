// NotesAddColorCmd: makes one named swatch from colour components and lists it in the document's
// swatch list. Item list: the document; data: the components (IRealListData) and the swatch name
// (IStringData). Afterwards the item list holds the new swatch. A swatch named "Annotation Color" is
// also entered in the document's annotation colour list.
//
// Three components make an RGB swatch; a PDF colour of one or four components (gray or CMYK) makes a
// swatch of that space, so it is found again by the same components.
#pragma once

#include "host/commands/Command.h"

class NotesAddColorCmd final : public Command {
public:
    explicit NotesAddColorCmd(IPMUnknown* boss);

protected:
    void Do() override;

private:
    // The new, not yet listed swatch; kInvalidUID when the host's new-colour command failed.
    UID NewColor(const UIDRef& document);
    bool AddToSwatchList(const UIDRef& document, UID swatch);
    // Annotation swatches belong to the plug-in until it lets them go (NotesClearAllColorsCmd).
    static bool KeepForAnnotations(const UIDRef& swatch);
};
