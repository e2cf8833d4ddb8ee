// FlowPosition: where the next line goes: a parcel and a line slot in it (slots are one leading
// apart from the parcel's top). Whole numbers, so two layouts that reach the same place compare equal.
#pragma once

#include "host/util/BaseTypes.h"

struct FlowPosition {
    int32 parcel = 0;
    int32 slot = 0;
    bool operator==(const FlowPosition& o) const = default;
};
