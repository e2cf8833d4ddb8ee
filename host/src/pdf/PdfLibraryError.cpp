#include "host/pdf/PdfLibraryError.h"

PdfLibraryError::PdfLibraryError(ASErrorCode code, const std::string& detail)
    : std::runtime_error(detail), code_(code) {}
