// NotesPDFAnnotationReader: the one reading of a PDF annotation. Read turns one annotation dictionary
// into the plain values the import builds a record from (NotesPDFAnnotationValues) or a typed error;
// the import command, the import utility (for pagehost pdfinfo), the fuzz target, the corpus test and
// the benchmarks all read through it.
//
// Read runs its own exception frame: a value of the wrong type (a string where a number belongs, say)
// fails that one annotation with the entry named. Missing keys are normal and give the empty value.
// Arrays that are present but malformed are written to the failure log and give the empty value.
#pragma once

#include <optional>
#include <string_view>

#include "NotesPDFAnnotationValues.h"
#include "host/pdf/PdfLibrary.h"

class NotesPDFAnnotationReader {
public:
    using Values = NotesPDFAnnotationValues;

    // Every value of the annotation its kind uses, or why they cannot be had.
    static NotesPDFAnnotationRead Read(PDAnnot annot);
    // The annotation type of a Subtype name; kUnknownAnnotation for names the import does not know.
    static INotesAnnotation::NotesAnnotationType TypeOfSubtype(ASAtom subtype);
    // The first path point of content-stream text: the operands of the first m or l, or the end point
    // of the first c (see the tokenizer rules in the source). No point when the scan finds none.
    static std::optional<PMPoint> ScanCaretPathStart(std::string_view text);

    // At most this many bytes of a caret appearance are scanned.
    static constexpr ASTArraySize kCaretAppearanceBytes = 2048;

private:
    class Cursor;

    static void ReadValues(PDAnnot annot, Cursor& cursor, Values* values);
    static void ReadByType(CosObj dict, Cursor& cursor, Values* values);
    static void ReadRect(PDAnnot annot, Cursor& cursor, Values* values);
    static uint32 ReadFlags(CosObj dict, Cursor& cursor);
    static std::optional<PMString> GetString(CosObj dict, const char* key);
    static void ReadBorder(CosObj dict, Values* values);
    static void ReadLineEndings(CosObj dict, bool startOnly, Values* values);
    static ClassID GetLineEnding(CosObj name);
    static void ReadCallout(CosObj dict, Values* values);
    static PMPointList GetPoints(CosObj dict, const char* key);
    static std::vector<PMReal> GetNumbers(CosObj dict, const char* key);
    static std::vector<PMReal> GetColorComponents(CosObj dict, const char* key);
    static std::optional<PMPoint> GetAppearancePoint(CosObj dict);
};
