// INotesColorManager: the swatch for an annotation colour: one named swatch per kind of annotation,
// "Annotation Color" swatches for other colours, and their removal.
#pragma once

#include <vector>

#include "NotesID.h"
#include "host/database/UID.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/Geometry.h"

class INotesColorManager : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INOTESCOLORMANAGER };
    // The swatch for the colour components and annotation type; kInvalidUID on failure.
    virtual UID GetColor(const std::vector<PMReal>& components, int32 annotationType) = 0;
    virtual void RemoveAnnotationColors() = 0;
    virtual UID GetKindColor(int32 annotationType) = 0;
    virtual UID GetDefaultColor() = 0;
    virtual UID GetYellowColor() = 0;
    virtual UID GetGreenColor() = 0;
    virtual UID GetRedColor() = 0;
    virtual UID GetBlueColor() = 0;
};
