// NotesDrawMarkupAnnotationData: the drawing values stored on annotation page items. Stored as:
// line start class, line end class, width (64-bit real), main colour (UID reference), border
// style. The second colour is not stored. The item's look lives in its graphic attributes.
#pragma once

#include "NotesDrawMarkupAnnotationBase.h"

class NotesDrawMarkupAnnotationData final : public NotesDrawMarkupAnnotationBase {
public:
    explicit NotesDrawMarkupAnnotationData(IPMUnknown* boss) : NotesDrawMarkupAnnotationBase(boss) {}

    void Set(PMReal width, UID mainColor, UID secondColor, int32 borderStyle, ClassID lineStart,
             ClassID lineEnd) override;
    void ReadWrite(IPMStream* stream, ImplementationID implID) override;
};
