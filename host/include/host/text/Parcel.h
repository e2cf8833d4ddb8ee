// Parcel: one rectangle that a story's text flows into (later a text frame column or a table
// cell): its key within its parcel list, its bounds in its own inner coordinates, and the
// transform from those to pasteboard coordinates.
#pragma once

#include "host/util/BaseTypes.h"
#include "host/util/Geometry.h"

using ParcelKey = int32;
constexpr ParcelKey kInvalidParcelKey = -1;

struct Parcel {
    ParcelKey key = kInvalidParcelKey;
    PMRect bounds;
    PMMatrix innerToPasteboard;
    bool operator==(const Parcel& o) const {
        return key == o.key && bounds == o.bounds && innerToPasteboard == o.innerToPasteboard;
    }
};
