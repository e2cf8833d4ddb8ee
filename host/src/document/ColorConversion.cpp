#include "ColorConversion.h"

#include <algorithm>
#include <cmath>

#include "host/document/IColorData.h"

namespace {
PMReal Clamp(PMReal v) {
    return std::clamp(v, 0.0, 1.0);
}

// sRGB companding of a linear component.
PMReal Gamma(PMReal linear) {
    return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
}

// CIE Lab (D65 white) to sRGB.
RGBColor LabToRGB(PMReal l, PMReal a, PMReal b) {
    const PMReal fy = (l + 16) / 116, fx = fy + a / 500, fz = fy - b / 200;
    auto inverse = [](PMReal t) {
        return t > 6.0 / 29 ? t * t * t : 3 * (6.0 / 29) * (6.0 / 29) * (t - 4.0 / 29);
    };
    const PMReal x = 0.95047 * inverse(fx), y = inverse(fy), z = 1.08883 * inverse(fz);
    return {Clamp(Gamma(3.2406 * x - 1.5372 * y - 0.4986 * z)),
            Clamp(Gamma(-0.9689 * x + 1.8758 * y + 0.0415 * z)),
            Clamp(Gamma(0.0557 * x - 0.2040 * y + 1.0570 * z))};
}
} // namespace

bool ColorConversion::ToRGB(int32 colorSpace, const std::vector<PMReal>& c, RGBColor* rgb) {
    if (IColorData::ComponentCount(colorSpace) <= 0 ||
        static_cast<int32>(c.size()) != IColorData::ComponentCount(colorSpace))
        return false;
    switch (colorSpace) {
    case IColorData::kRGB:
        *rgb = {Clamp(c[0]), Clamp(c[1]), Clamp(c[2])};
        return true;
    case IColorData::kCMYK: {
        const PMReal k = 1 - Clamp(c[3]);
        *rgb = {(1 - Clamp(c[0])) * k, (1 - Clamp(c[1])) * k, (1 - Clamp(c[2])) * k};
        return true;
    }
    case IColorData::kGray:
        *rgb = {Clamp(c[0]), Clamp(c[0]), Clamp(c[0])};
        return true;
    case IColorData::kLab:
        *rgb = LabToRGB(c[0], c[1], c[2]);
        return true;
    default:
        return false;
    }
}
