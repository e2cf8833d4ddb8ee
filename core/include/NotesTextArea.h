// NotesTextArea: one text area of the text profile: a parcel (a frame column or a table cell) of a
// story thread, with its bounds on the pasteboard and what is needed to ask the host for a text
// position inside it.
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/ITextStoryThread.h"
#include "host/text/Parcel.h"
#include "host/util/Geometry.h"

struct NotesTextArea {
    enum Kind : int32 { kTableCell = 1, kTableText = 2, kFrameText = 3 };

    // The parcel's bounds in pasteboard coordinates, grown by half a point on every side.
    PMRect bounds;
    UID story = kInvalidUID;
    ParcelKey parcelKey = kInvalidParcelKey;
    int32 kind = kFrameText;
    // The thread whose text the parcel shows; the entry holds one reference to it.
    InterfacePtr<ITextStoryThread> thread;
    // The multi-column text frame that holds the parcel.
    UID frame = kInvalidUID;
};
