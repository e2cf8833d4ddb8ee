#include "host/pdf/ACExceptionFrame.h"
#include "host/pdf/PdfLibraryError.h"

#include <cassert>
#include <new>

namespace {
thread_local int frameDepth = 0;
}

void ACPushExceptionFrame() {
    ++frameDepth;
}

void ACPopExceptionFrame() {
    // Popping more frames than were pushed means a DURING block was left
    // without E_RETURN; that is a programming error, not bad input.
    assert(frameDepth > 0);
    if (frameDepth > 0) {
        --frameDepth;
    }
}

int ACExceptionFrameDepth() {
    return frameDepth;
}

void ASRaise(ASErrorCode code) {
    throw PdfLibraryError(code, ASGetErrorString(code));
}

ASErrorCode ACErrorCodeOf(const std::exception& error) noexcept {
    if (const auto* libraryError = dynamic_cast<const PdfLibraryError*>(&error)) {
        return libraryError->code();
    }
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) {
        return genErrNoMemory;
    }
    return genErrGeneral;
}
