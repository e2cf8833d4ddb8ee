// NotesPDFAnnotationReader: turns one PDF annotation dictionary into the plain values the import builds
// a record from: kind, strings, border, line endings, points, colour components, the caret's
// insertion point and the date.
//
// Every routine calls the PDF library and must run inside the caller's exception frame: a value of
// the wrong type (a string where a number belongs, say) raises a library error there, which fails the
// one annotation. Missing keys are normal and give the empty value. Arrays that are present but
// malformed are written to the failure log and give the empty value.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "INotesAnnotation.h"
#include "NotesPDFPageFrame.h"
#include "host/pdf/PdfLibrary.h"

class IDataBase;

class NotesPDFAnnotationReader {
public:
    // Border style codes handed on to the drawn-markup data.
    enum BorderStyle : int32 {
        kSolidBorder = 1,
        kDashedBorder = 3,
        kCloudyBorder = 6,        // cloudy effect of intensity 0 or 1
        kIntenseCloudyBorder = 7, // cloudy effect of intensity 2 or more
    };
    struct Border {
        PMReal width = 1.0;
        int32 style = kSolidBorder;
    };

    // The annotation type of a Subtype name; kUnknownAnnotation for names the import does not know.
    static INotesAnnotation::NotesAnnotationType TypeOfSubtype(ASAtom subtype);
    // A text entry decoded to Unicode (PDFDocEncoding or UTF-16 with byte-order mark); empty when absent.
    static PMString GetString(CosObj dict, const char* key);
    // Width and style from BS, then overridden by a cloudy BE; 1.0 and solid by default.
    static Border GetBorder(CosObj dict);
    // The host arrowhead class of a line-ending name; kInvalidClass for None and unknown names.
    static ClassID GetLineEnding(CosObj name);
    // A flat array of numbers read as (x, y) pairs, each converted through the frame. An incomplete
    // last pair is dropped; a missing key gives no points.
    static PMPointList GetPoints(CosObj dict, const char* key, const NotesPDFPageFrame& frame);
    // The annotation rectangle through the frame. Raises pdErrBadAnnotation without a usable Rect.
    static PMRect GetRect(PDAnnot annot, const NotesPDFPageFrame& frame);
    // The components of a colour array ("C", "IC"); empty when the key is missing or the array is.
    static std::vector<PMReal> GetColorComponents(CosObj dict, const char* key);
    // The swatch of a colour array ("C", "IC") from the document's colour manager, for an annotation
    // of the type; kInvalidUID when the key is missing, the array is empty or no swatch can be had.
    // The array is read in full before the colour manager processes any command.
    static UID GetColor(CosObj dict, const char* key, IDataBase* database, int32 annotType);
    // The first point of the path drawn by the annotation's normal appearance, transformed by the
    // appearance's Matrix and placed relative to the caret's rectangle (pasteboard coordinates).
    static std::optional<PMPoint> GetCaretPoint(CosObj dict, const PMRect& caretRect);
    // The first path point of content-stream text: the operands of the first m or l, or the end point
    // of the first c (see the tokenizer rules in the source). No point when the scan finds none.
    static std::optional<PMPoint> ScanCaretPathStart(std::string_view text);
    // The modification date as written (the writer's local time); none without a usable date.
    static std::optional<IDTime> GetDate(PDAnnot annot);

    // At most this many bytes of a caret appearance are scanned.
    static constexpr ASTArraySize kCaretAppearanceBytes = 2048;
};
