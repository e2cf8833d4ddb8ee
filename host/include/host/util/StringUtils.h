// String helpers of the host.
#pragma once

#include "host/util/PMString.h"

namespace StringUtils {
// Replaces ^1 .. ^4 in *str by the given parameters; an absent parameter leaves its marker.
void ReplaceStringParameters(PMString* str, const PMString& p1, const PMString& p2 = PMString(),
                             const PMString& p3 = PMString(), const PMString& p4 = PMString());
} // namespace StringUtils
