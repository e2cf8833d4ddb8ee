#include "host/util/IDTime.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {
constexpr uint64 kTicksPerSecond = 10'000'000;
// Seconds from 1601-01-01 to 1970-01-01.
constexpr int64 kEpochOffsetSeconds = 11'644'473'600;

// Days since 1970-01-01 of a civil date (proleptic Gregorian calendar).
int64 DaysFromCivil(int64 y, int64 m, int64 d) {
    y -= m <= 2;
    const int64 era = (y >= 0 ? y : y - 399) / 400;
    const int64 yoe = y - era * 400;
    const int64 doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64 doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64 z, int64& y, int64& m, int64& d) {
    z += 719468;
    const int64 era = (z >= 0 ? z : z - 146096) / 146097;
    const int64 doe = z - era * 146097;
    const int64 yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = yoe + era * 400;
    const int64 doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64 mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp + (mp < 10 ? 3 : -9);
    y += m <= 2;
}
} // namespace

IDTime IDTime::CurrentTime() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const int64 ticks100ns = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() / 100;
    return IDTime(
        static_cast<uint64>(ticks100ns + kEpochOffsetSeconds * static_cast<int64>(kTicksPerSecond)));
}

IDTime IDTime::FromCalendar(int32 year, int32 month, int32 day, int32 hour, int32 minute, int32 second) {
    year = std::clamp(year, 1601, 30000);
    month = std::clamp(month, 1, 12);
    day = std::clamp(day, 1, 31);
    hour = std::clamp(hour, 0, 23);
    minute = std::clamp(minute, 0, 59);
    second = std::clamp(second, 0, 59);
    const int64 seconds = DaysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
    return IDTime(static_cast<uint64>(seconds + kEpochOffsetSeconds) * kTicksPerSecond);
}

std::string IDTime::Format() const {
    const int64 seconds = static_cast<int64>(fTicks / kTicksPerSecond) - kEpochOffsetSeconds;
    const int64 days = (seconds >= 0 ? seconds : seconds - 86399) / 86400;
    const int64 rest = seconds - days * 86400;
    int64 y, m, d;
    CivilFromDays(days, y, m, d);
    char text[96];
    std::snprintf(text, sizeof text, "%04lld-%02lld-%02lld %02lld:%02lld:%02lld", static_cast<long long>(y),
                  static_cast<long long>(m), static_cast<long long>(d), static_cast<long long>(rest / 3600),
                  static_cast<long long>(rest / 60 % 60), static_cast<long long>(rest % 60));
    return text;
}
