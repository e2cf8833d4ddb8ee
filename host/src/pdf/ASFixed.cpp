#include "host/pdf/ASFixed.h"

#include <cmath>
#include <limits>

ASFixed ASFloatToFixed(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double scaled = std::round(value * fixedOne);
    // Saturate: coordinates beyond the fixed range are clamped to its ends
    // rather than wrapping round to the other sign.
    if (scaled >= static_cast<double>(std::numeric_limits<ASFixed>::max())) {
        return std::numeric_limits<ASFixed>::max();
    }
    if (scaled <= static_cast<double>(std::numeric_limits<ASFixed>::min())) {
        return std::numeric_limits<ASFixed>::min();
    }
    return static_cast<ASFixed>(scaled);
}

double ASFixedToFloat(ASFixed value) {
    return static_cast<double>(value) / fixedOne;
}
