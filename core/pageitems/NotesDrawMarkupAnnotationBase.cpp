#include "NotesDrawMarkupAnnotationBase.h"

void NotesDrawMarkupAnnotationBase::Set(PMReal width, UID mainColor, UID secondColor, int32 borderStyle,
                                        ClassID lineStart, ClassID lineEnd) {
    fWidth = width;
    fMainColor = mainColor;
    fSecondColor = secondColor;
    fBorderStyle = borderStyle;
    fLineStart = lineStart;
    fLineEnd = lineEnd;
}
