// Bounds on counts and lengths read from a stored story, so damaged data cannot make a reader
// allocate without limit.
#pragma once

#include "host/database/IPMStream.h"

namespace StreamLimits {
constexpr int32 kMaxCount = 1 << 28;

// A count just transferred: when reading, a damaged value (negative, too large, or read from a
// stream already bad) becomes 0.
inline int32 CheckedCount(IPMStream* stream, int32 count) {
    if (stream->IsReading() && (!stream->IsGood() || count < 0 || count > kMaxCount))
        return 0;
    return count;
}
} // namespace StreamLimits
