// INotesAnnotationColorList: which swatches of the document are annotation swatches, so they can be
// found again and removed together. One slot per kind of annotation (several types share a slot) and
// a list of the further swatches made for colours met in PDFs. Persistent on the document; every
// change is undoable and saved.
#pragma once

#include <vector>

#include "INotesAnnotation.h"
#include "host/database/UID.h"

class INotesAnnotationColorList : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INOTESANNOTATIONCOLORLIST };

    // Appends a swatch to the list of other swatches unless it is listed already.
    virtual void AddColor(UID swatch) = 0;
    // The first listed swatch that still exists and has these components (same count, each within
    // 1e-8); kInvalidUID when none has.
    virtual UID FindColor(const std::vector<PMReal>& components) const = 0;
    // The listed swatch at index, or kInvalidUID outside 0 <= index < GetColorCount().
    virtual UID GetNthColor(int32 index) const = 0;
    virtual int32 GetColorCount() const = 0;
    // Forgets every slot and every listed swatch (the swatches themselves stay).
    virtual void Clear() = 0;
    // The swatch of the slot of an annotation type (kNotImportedColorIndex included); kInvalidUID for
    // types without a slot or an empty slot.
    virtual UID GetKindColor(int32 annotType) const = 0;
    // Fills the slot of a type from 2 to 15; other types change nothing.
    virtual void SetKindColor(int32 annotType, UID swatch) = 0;
};
