// INotesAnnotation: the record every annotation carries: kind, points, swatch, popup flag, note
// text, author and date. Callers change it only through Set, always with every field.
#pragma once

#include <vector>

#include "NotesID.h"
#include "host/database/UID.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/Geometry.h"
#include "host/util/IDTime.h"
#include "host/util/PMString.h"

using PMPointList = std::vector<PMPoint>;

class INotesAnnotation : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INOTESANNOTATION };

    enum NotesAnnotationType : int32 {
        kUnknownAnnotation = 0,
        kPopupAnnotation = 1,
        kStickyNoteAnnotation = 2,
        kHighlightAnnotation = 3,
        kStrikethroughAnnotation = 4,
        kUnderlineAnnotation = 5,
        kSquigglyAnnotation = 6,
        kRedactionAnnotation = 7,
        kCaretAnnotation = 8,
        kLineAnnotation = 9,
        kPolyLineAnnotation = 10,
        kPolygonAnnotation = 11,
        kCircleAnnotation = 12,
        kSquareAnnotation = 13,
        kFreeTextAnnotation = 14,
    };
    // Not a type: the colour manager's index of the swatch of "Not Imported" sticky notes.
    static constexpr int32 kNotImportedColorIndex = 15;

    enum NotesAnnotationSubType : int32 {
        kTextMarkupType = 1,
        kPageItemType = 2,
        kOtherType = 3,
    };

    // Replaces every field at once.
    virtual void Set(NotesAnnotationType type, PMPointList points, UID color, bool16 canShowPopup,
                     PMString content, PMString author, IDTime date) = 0;
    virtual bool16 CanShowPopup() const = 0;
    virtual NotesAnnotationType GetType() const = 0;
    virtual NotesAnnotationSubType GetSubType() const = 0;
    // True for the text edits: strike-through, replacement and insertion.
    virtual bool16 IsRedaction() const = 0;
    virtual PMPointList GetPoints() const = 0;
    virtual UID GetColor() const = 0;
    virtual PMString GetContent() const = 0;
    virtual PMString GetAuthor() const = 0;
    virtual IDTime GetDate() const = 0;
    virtual void ShowPopup() = 0;
    virtual void HidePopup() = 0;
    virtual bool16 IsPopupShown() = 0;

    // The sub-type of a type.
    static NotesAnnotationSubType SubTypeOf(int32 type) {
        if (type >= kHighlightAnnotation && type <= kCaretAnnotation)
            return kTextMarkupType;
        if (type == kStickyNoteAnnotation || (type >= kLineAnnotation && type <= kFreeTextAnnotation))
            return kPageItemType;
        return kOtherType;
    }
    // Whether a type is a text edit: strike-through, replacement or insertion.
    static bool16 IsRedactionType(int32 type) {
        return type == kStrikethroughAnnotation || type == kRedactionAnnotation || type == kCaretAnnotation
                   ? kTrue
                   : kFalse;
    }
};
