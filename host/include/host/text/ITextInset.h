// ITextInset: the space kept free between a text frame's edges and its columns (on spline
// items; zero on every side until set). Set it inside a command so undo records it.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/Geometry.h"

class ITextInset : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITEXTINSET };
    // The insets as a rectangle of distances: Left() from the left edge, Top() from the top, ...
    virtual PMRect GetInset() const = 0;
    // Negative insets count as zero.
    virtual void SetInset(PMReal left, PMReal top, PMReal right, PMReal bottom) = 0;
};
