// Exception frames of the PDF library.
//
// Every block of library calls runs inside a frame:
//
//     DURING
//         PDDoc doc = PDDocOpen(path, nullptr, nullptr, ASFalse);
//         ...
//     HANDLER
//         log(ASGetErrorString(ERRORCODE));
//     END_HANDLER
//
// A library call that fails raises (ASRaise) a PdfLibraryError; any other
// std::exception thrown inside the block (allocation failure included) lands
// in the same handler, with genErrNoMemory or genErrGeneral as its code.
// DURING pushes a frame and HANDLER pops it on both paths. Leaving the block
// early must pop the frame first: use E_RETURN(value) / E_RTRN_VOID, never a
// bare return. ACExceptionFrameDepth lets tests and debug checks see
// unbalanced frames. Frames are per thread.
#pragma once

#include "host/pdf/ASErrors.h"

#include <exception>

void ACPushExceptionFrame();
void ACPopExceptionFrame();
int ACExceptionFrameDepth();

// Raises a library error: throws PdfLibraryError with the code.
[[noreturn]] void ASRaise(ASErrorCode code);

// The library error code of an exception caught by HANDLER.
ASErrorCode ACErrorCodeOf(const std::exception& error) noexcept;

#define DURING                                                                                               \
    {                                                                                                        \
        ACPushExceptionFrame();                                                                              \
        try {

#define HANDLER                                                                                              \
    ACPopExceptionFrame();                                                                                   \
    }                                                                                                        \
    catch (const std::exception& acCaughtError_) {                                                           \
        ACPopExceptionFrame();                                                                               \
        const ASErrorCode acErrorCode_ = ACErrorCodeOf(acCaughtError_);                                      \
        (void)acErrorCode_;

#define END_HANDLER                                                                                          \
    }                                                                                                        \
    }

#define ERRORCODE (acErrorCode_)

#define E_RETURN(value)                                                                                      \
    do {                                                                                                     \
        ACPopExceptionFrame();                                                                               \
        return (value);                                                                                      \
    } while (0)

#define E_RTRN_VOID                                                                                          \
    do {                                                                                                     \
        ACPopExceptionFrame();                                                                               \
        return;                                                                                              \
    } while (0)
