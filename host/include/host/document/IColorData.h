// IColorData: the colour of a swatch: its colour space and components.
// RGB and gray components run from 0 to 1 (gray 0 is black), CMYK from 0 to 1 (ink amounts),
// Lab as L 0..100 and a, b -128..127. A swatch without colour (None) has kNoColorSpace.
#pragma once

#include <vector>

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/Geometry.h"

class IColorData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ICOLORDATA };
    enum ColorSpace { kNoColorSpace = -1, kRGB = 0, kCMYK = 1, kLab = 2, kGray = 3 };

    virtual int32 GetColorSpace() const = 0;
    virtual std::vector<PMReal> GetColorData() const = 0;
    virtual void SetColorData(int32 colorSpace, const std::vector<PMReal>& components) = 0;

    // The number of components a colour space needs (0 for kNoColorSpace, -1 for an unknown space).
    static int32 ComponentCount(int32 colorSpace);
    // Checks count and ranges; an empty answer means the colour is valid, else what is wrong.
    static const char* CheckComponents(int32 colorSpace, const std::vector<PMReal>& components);
};
