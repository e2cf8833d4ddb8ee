// INotesColorManager: the swatch an annotation is coloured with. A colour equal to its kind's default
// gets the kind's named swatch ("Highlight Annotation Color", ...); any other colour gets a swatch
// named "Annotation Color", made once per colour and reused. On the document.
#pragma once

#include <vector>

#include "INotesAnnotation.h"
#include "host/database/UID.h"

class INotesColorManager : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INOTESCOLORMANAGER };

    // The swatch for colour components and an annotation type, made when missing; kInvalidUID for
    // popups and when the swatch cannot be made.
    virtual UID GetColor(const std::vector<PMReal>& components, int32 annotType) = 0;
    // Removes every annotation swatch from the document. When an "Annotation Color" swatch is in use
    // the user is asked whether to keep them, and when not, which swatch replaces them.
    virtual void RemoveAnnotationColors() = 0;
    // The kind's swatch, made with the kind's default colour when missing; kInvalidUID for types 0
    // and 1.
    virtual UID GetKindColor(int32 annotType) = 0;
    // GetColor of (1, 1, 0) with type 0.
    virtual UID GetDefaultColor() = 0;
    virtual UID GetYellowColor() = 0;
    virtual UID GetGreenColor() = 0;
    virtual UID GetRedColor() = 0;
    virtual UID GetBlueColor() = 0;
};
