// 16.16 fixed-point numbers as the PDF library hands out coordinates.
// ASFixedRect follows the PDF rectangle: top is the upper edge (the larger y
// in PDF user space, y upwards), bottom the lower edge. Conversions from real
// numbers saturate at the representable range and read NaN as 0.
#pragma once

#include "host/pdf/ASTypes.h"

using ASFixed = std::int32_t;

inline constexpr ASFixed fixedZero = 0;
inline constexpr ASFixed fixedOne = 0x10000;

struct ASFixedPoint {
    ASFixed h = 0;
    ASFixed v = 0;
};

struct ASFixedRect {
    ASFixed left = 0;
    ASFixed top = 0;
    ASFixed right = 0;
    ASFixed bottom = 0;
};

ASFixed ASFloatToFixed(double value);
double ASFixedToFloat(ASFixed value);
