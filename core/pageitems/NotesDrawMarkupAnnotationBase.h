// NotesDrawMarkupAnnotationBase: the six drawing values of a drawn markup, free text or popup,
// held in memory; starts as width 1, no swatches, border style 1 and no arrowheads.
#pragma once

#include "INotesDrawMarkupAnnotationData.h"
#include "host/objectmodel/CPMUnknown.h"

class NotesDrawMarkupAnnotationBase : public CPMUnknown<INotesDrawMarkupAnnotationData> {
public:
    explicit NotesDrawMarkupAnnotationBase(IPMUnknown* boss)
        : CPMUnknown<INotesDrawMarkupAnnotationData>(boss) {}

    void Set(PMReal width, UID mainColor, UID secondColor, int32 borderStyle, ClassID lineStart,
             ClassID lineEnd) override;
    PMReal GetWidth() const override { return fWidth; }
    UID GetMainColor() const override { return fMainColor; }
    UID GetSecondColor() const override { return fSecondColor; }
    int32 GetBorderStyle() const override { return fBorderStyle; }
    ClassID GetLineStart() const override { return fLineStart; }
    ClassID GetLineEnd() const override { return fLineEnd; }

protected:
    PMReal fWidth = 1.0;
    UID fMainColor = kInvalidUID;
    UID fSecondColor = kInvalidUID;
    int32 fBorderStyle = 1;
    ClassID fLineStart = kInvalidClass;
    ClassID fLineEnd = kInvalidClass;
};
