// NotesMarkedRun: where a text markup stands in its story now: the story, the two markers and the
// characters they are anchored at, found from either marker through the partner reference. The
// marked text runs from the start marker's character to the end marker's, both included.
#pragma once

#include "INotesAnnotation.h"
#include "host/database/UIDRef.h"
#include "host/text/RangeData.h"

class IItemStrand;

class NotesMarkedRun {
public:
    // The run of the markup one of whose markers is marker; false (logged) when the marker's
    // data, its story or its partner is missing.
    static bool Find(const UIDRef& marker, NotesMarkedRun* run);

    // Both markers are anchored in the story.
    bool IsAnchored() const { return start >= 0 && end >= 0; }
    // The marked characters (empty when the markers are not anchored).
    RangeData Range() const { return IsAnchored() ? RangeData(start, end + 1) : RangeData(); }
    // The character attribute class that marks the run.
    ClassID AttributeClass() const;
    UIDRef EndMarkerRef() const { return UIDRef(story.GetDataBase(), endMarker); }
    UIDRef StartMarkerRef() const { return UIDRef(story.GetDataBase(), startMarker); }

    UIDRef story;
    UID startMarker = kInvalidUID;
    UID endMarker = kInvalidUID;
    TextIndex start = -1;
    TextIndex end = -1;
    INotesAnnotation::NotesAnnotationType type = INotesAnnotation::kUnknownAnnotation;
    bool caretLast = false;
};
