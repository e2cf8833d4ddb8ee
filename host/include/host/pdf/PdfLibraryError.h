// The exception that carries a library error code from the point where an
// operation fails to the handler of the innermost exception frame. Code
// outside the library normally sees it only through DURING / HANDLER.
#pragma once

#include "host/pdf/ASTypes.h"

#include <stdexcept>
#include <string>

class PdfLibraryError : public std::runtime_error {
public:
    PdfLibraryError(ASErrorCode code, const std::string& detail);

    ASErrorCode code() const noexcept { return code_; }

private:
    ASErrorCode code_;
};
