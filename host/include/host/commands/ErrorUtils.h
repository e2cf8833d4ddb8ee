// ErrorUtils: the global error code that commands report their result through.
#pragma once

#include "host/util/BaseTypes.h"

namespace ErrorUtils {
void PMSetGlobalErrorCode(ErrorCode code);
ErrorCode PMGetGlobalErrorCode();
} // namespace ErrorUtils
