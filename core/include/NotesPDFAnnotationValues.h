// NotesPDFAnnotationValues: what one PDF annotation dictionary says, as the import reads it: its kind,
// rectangle and points in PDF user space (y upwards, as the file states them), strings, date, colour
// components, border, line endings, flags, popup links and a caret's appearance point. Which keys are
// read depends on the kind (QuadPoints for text markups, L for lines, Vertices for polylines and
// polygons, RD and CL for free text, IC for the kinds that have an interior colour).
// NotesPDFAnnotationRead holds these values or the reason they could not be read.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "INotesAnnotation.h"
#include "host/pdf/CosObj.h"
#include "host/pdf/PDAnnot.h"

struct NotesPDFAnnotationValues {
    // Border style codes handed on to the drawn-markup data.
    enum BorderStyle : int32 {
        kSolidBorder = 1,
        kDashedBorder = 3,
        kCloudyBorder = 6,        // cloudy effect of intensity 0 or 1
        kIntenseCloudyBorder = 7, // cloudy effect of intensity 2 or more
    };
    // A rectangle as PDF writes it: bottom is the lower edge, top the upper one.
    struct Box {
        PMReal left = 0.0;
        PMReal bottom = 0.0;
        PMReal right = 0.0;
        PMReal top = 0.0;
    };

    std::string subtype; // the Subtype name as written, empty without one
    INotesAnnotation::NotesAnnotationType type = INotesAnnotation::kUnknownAnnotation;
    uint32 flags = 0; // F: bit 1 invisible, bit 2 hidden
    Box rect;
    std::string pointsKey;           // the key the kind's points came from, empty for kinds without points
    PMPointList points;              // its (x, y) pairs; an incomplete last pair is dropped
    PMPointList callout;             // CL of a free text; empty when its numbers do not pair up
    std::vector<PMReal> differences; // RD of a free text: left, top, right and bottom insets; 4 or none
    std::optional<PMString> content;
    std::optional<PMString> author;
    std::optional<PMString> overlayText; // the replacement text of a redaction
    std::optional<ASTimeRec> date;       // M, as the writer's clock showed it
    std::vector<PMReal> color;           // C
    std::vector<PMReal> interiorColor;   // IC
    PMReal borderWidth = 1.0;
    int32 borderStyle = kSolidBorder;
    std::vector<std::string> lineEndings; // LE names of lines, polylines and free text
    ClassID startArrowhead = kInvalidClass;
    ClassID endArrowhead = kInvalidClass;
    CosObj popup;  // the Popup entry, the null object without one
    CosObj parent; // a popup's Parent entry
    // IRT: the annotation this one replies to or is grouped with (a replacement's caret names its
    // strike-out, or the other way round); the null object without one.
    CosObj inReplyTo;
    // A caret's first appearance path point through the appearance Matrix, measured from the lower-left
    // corner of its rectangle, y upwards; none without a usable appearance.
    std::optional<PMPoint> caretPoint;

    bool IsHidden() const { return (flags & 0x3) != 0; }
};

struct NotesPDFAnnotationRead {
    enum Error : int32 {
        kNoError = 0,
        kNotAnAnnotation = 1, // the Annots entry is not a dictionary
        kMalformed = 2,       // a value the kind needs has the wrong type or cannot be read
        kOutOfRange = 3,      // a flags or rectangle number beyond what it can hold
    };

    Error error = kNoError;
    std::string reason; // one sentence naming the entry at fault when there is an error
    NotesPDFAnnotationValues values;

    bool IsRead() const { return error == kNoError; }
};
