#include "host/commands/ErrorUtils.h"

namespace {
ErrorCode gGlobalErrorCode = kSuccess;
}

namespace ErrorUtils {
void PMSetGlobalErrorCode(ErrorCode code) {
    gGlobalErrorCode = code;
}
ErrorCode PMGetGlobalErrorCode() {
    return gGlobalErrorCode;
}
} // namespace ErrorUtils
