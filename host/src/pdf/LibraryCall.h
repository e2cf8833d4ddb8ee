// Runs the body of a library operation and turns whatever the reading engine
// throws into a PdfLibraryError with a library error code, so callers only
// ever see errors through their exception frame.
#pragma once

#include "host/pdf/ACExceptionFrame.h"
#include "host/pdf/PdfLibraryError.h"

#include <qpdf/QPDFExc.hh>

#include <new>

ASErrorCode errorCodeForEngineError(const QPDFExc& error) noexcept;

template <typename Body> auto libraryCall(Body&& body) -> decltype(body()) {
    try {
        return body();
    } catch (const PdfLibraryError&) {
        throw;
    } catch (const QPDFExc& error) {
        throw PdfLibraryError(errorCodeForEngineError(error), error.what());
    } catch (const std::bad_alloc&) {
        throw PdfLibraryError(genErrNoMemory, "out of memory");
    } catch (const std::exception& error) {
        throw PdfLibraryError(genErrGeneral, error.what());
    }
}
