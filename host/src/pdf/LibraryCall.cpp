#include "LibraryCall.h"

ASErrorCode errorCodeForEngineError(const QPDFExc& error) noexcept {
    switch (error.getErrorCode()) {
    case qpdf_e_password:
        return pdErrNeedPassword;
    case qpdf_e_system:
        return fileErrIO;
    case qpdf_e_unsupported:
        return pdErrUnsupported;
    case qpdf_e_pages:
        return pdErrBadPageTree;
    default:
        return pdErrBadFile;
    }
}
