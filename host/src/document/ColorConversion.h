// ColorConversion: colours of any of the swatch colour spaces as RGB for the screen.
#pragma once

#include <vector>

#include "host/document/IDocumentLayer.h"

namespace ColorConversion {
// False for a colour without components (None) or with the wrong number of them.
bool ToRGB(int32 colorSpace, const std::vector<PMReal>& components, RGBColor* rgb);
} // namespace ColorConversion
