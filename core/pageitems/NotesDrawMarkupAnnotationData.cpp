#include "NotesDrawMarkupAnnotationData.h"

#include "host/database/IPMStream.h"

void NotesDrawMarkupAnnotationData::Set(PMReal width, UID mainColor, UID secondColor, int32 borderStyle,
                                        ClassID lineStart, ClassID lineEnd) {
    PreDirty();
    NotesDrawMarkupAnnotationBase::Set(width, mainColor, secondColor, borderStyle, lineStart, lineEnd);
}

void NotesDrawMarkupAnnotationData::ReadWrite(IPMStream* stream, ImplementationID) {
    stream->XferID(fLineStart);
    stream->XferID(fLineEnd);
    stream->XferReal(fWidth);
    stream->XferReference(fMainColor);
    int32 borderStyle = fBorderStyle;
    stream->XferInt32(borderStyle);
    if (stream->IsReading())
        fBorderStyle = borderStyle;
}
