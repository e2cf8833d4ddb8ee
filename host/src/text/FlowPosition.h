// FlowPosition: where the next line goes: a parcel, a line slot in it (slots are one leading
// apart) and the room that blocks (tables) took above it in that parcel. Slots are whole numbers
// and block heights add up the same way whenever the same blocks are passed, so two layouts that
// reach the same place compare equal.
#pragma once

#include "host/util/BaseTypes.h"
#include "host/util/Geometry.h"

struct FlowPosition {
    int32 parcel = 0;
    int32 slot = 0;
    PMReal blocks = 0.0;
    bool operator==(const FlowPosition& o) const = default;
};
