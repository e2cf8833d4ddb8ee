// Error codes the PDF library raises. ASGetErrorString gives a sentence a
// person can read for each one.
#pragma once

#include "host/pdf/ASTypes.h"

inline constexpr ASErrorCode genErrNoError = 0;
inline constexpr ASErrorCode genErrGeneral = 1;         // unclassified failure
inline constexpr ASErrorCode genErrNoMemory = 2;        // allocation failed
inline constexpr ASErrorCode genErrBadParm = 3;         // null or out-of-range argument
inline constexpr ASErrorCode fileErrFNF = 10;           // file not found
inline constexpr ASErrorCode fileErrIO = 11;            // file cannot be read
inline constexpr ASErrorCode pdErrBadFile = 20;         // not a PDF or damaged beyond repair
inline constexpr ASErrorCode pdErrNeedPassword = 21;    // encrypted with a password
inline constexpr ASErrorCode pdErrUnsupported = 22;     // feature the reader does not support
inline constexpr ASErrorCode pdErrBadPageTree = 23;     // page tree unusable
inline constexpr ASErrorCode pdErrBadAnnotation = 24;   // annotation without usable Rect etc.
inline constexpr ASErrorCode pdErrDocClosed = 25;       // object of a closed document
inline constexpr ASErrorCode pdfErrTooManyAtoms = 26;   // atom table full
inline constexpr ASErrorCode pdErrNotPDF = 27;          // no PDF header and nothing readable
inline constexpr ASErrorCode pdErrPageTreeLoop = 28;    // a page tree node is its own ancestor
inline constexpr ASErrorCode cosErrTooManyObjects = 30; // object table of a document full
inline constexpr ASErrorCode cosErrExpectedNumber = 31;
inline constexpr ASErrorCode cosErrExpectedName = 32;
inline constexpr ASErrorCode cosErrExpectedString = 33;
inline constexpr ASErrorCode cosErrExpectedDict = 34;
inline constexpr ASErrorCode cosErrExpectedArray = 35;
inline constexpr ASErrorCode cosErrExpectedStream = 36;
inline constexpr ASErrorCode cosErrArrayBounds = 37;

const char* ASGetErrorString(ASErrorCode code);
