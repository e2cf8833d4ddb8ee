#include "NotesPopupOptions.h"

#include "host/database/IPMStream.h"

void NotesPopupOptions::SetMode(int32 mode) {
    PreDirty();
    fMode = mode;
}

void NotesPopupOptions::ReadWrite(IPMStream* stream, ImplementationID) {
    int32 mode = fMode;
    stream->XferInt32(mode);
    if (stream->IsReading())
        fMode = stream->IsGood() && IsMode(mode) ? mode : kLeaveAlone;
}
