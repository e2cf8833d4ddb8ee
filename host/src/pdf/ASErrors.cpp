#include "host/pdf/ASErrors.h"

const char* ASGetErrorString(ASErrorCode code) {
    switch (code) {
    case genErrNoError:
        return "No error.";
    case genErrNoMemory:
        return "Out of memory.";
    case genErrBadParm:
        return "A bad parameter was passed to the PDF library.";
    case fileErrFNF:
        return "The file does not exist.";
    case fileErrIO:
        return "The file cannot be read.";
    case pdErrBadFile:
        return "The file is not a PDF file or is damaged beyond repair.";
    case pdErrNeedPassword:
        return "The PDF file is protected by a password.";
    case pdErrUnsupported:
        return "The PDF file uses a feature that is not supported.";
    case pdErrBadPageTree:
        return "The pages of the PDF file cannot be read.";
    case pdErrBadAnnotation:
        return "The annotation has no usable rectangle.";
    case pdErrDocClosed:
        return "The PDF document was already closed.";
    case pdErrNotPDF:
        return "The file is not a PDF file.";
    case pdErrPageTreeLoop:
        return "The page tree of the PDF file loops back on itself.";
    case pdfErrTooManyAtoms:
        return "Too many distinct names.";
    case cosErrTooManyObjects:
        return "The PDF file has too many objects to read.";
    case cosErrExpectedNumber:
        return "A number was expected.";
    case cosErrExpectedName:
        return "A name was expected.";
    case cosErrExpectedString:
        return "A string was expected.";
    case cosErrExpectedDict:
        return "A dictionary was expected.";
    case cosErrExpectedArray:
        return "An array was expected.";
    case cosErrExpectedStream:
        return "A stream was expected.";
    case cosErrArrayBounds:
        return "An array index is out of range.";
    default:
        return "The PDF library reported an error.";
    }
}
