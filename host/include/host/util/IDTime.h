// IDTime: a date and time as 100-nanosecond ticks since 1601-01-01 00:00 UTC.
#pragma once

#include <string>

#include "host/util/BaseTypes.h"

class IDTime {
public:
    // The host's default time: tick 0.
    IDTime() = default;
    explicit IDTime(uint64 ticks) : fTicks(ticks) {}

    static IDTime CurrentTime();
    // A time from calendar fields in UTC; fields out of range are clamped, never rejected.
    static IDTime FromCalendar(int32 year, int32 month, int32 day, int32 hour, int32 minute, int32 second);

    uint64 GetTime() const { return fTicks; }
    void SetTime(uint64 ticks) { fTicks = ticks; }
    // "YYYY-MM-DD hh:mm:ss" in UTC.
    std::string Format() const;

    bool operator==(const IDTime& o) const { return fTicks == o.fTicks; }
    bool operator!=(const IDTime& o) const { return fTicks != o.fTicks; }
    bool operator<(const IDTime& o) const { return fTicks < o.fTicks; }
    bool operator>(const IDTime& o) const { return fTicks > o.fTicks; }

private:
    uint64 fTicks = 0;
};
