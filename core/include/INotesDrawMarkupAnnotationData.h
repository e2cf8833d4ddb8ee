// INotesDrawMarkupAnnotationData: how a drawn markup, free text or popup looks: line width, main
// and second swatch, border style code and the arrowhead classes of both line ends.
#pragma once

#include "NotesID.h"
#include "host/database/UID.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/Geometry.h"

class INotesDrawMarkupAnnotationData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INOTESDRAWMARKUPANNOTATIONDATA };
    // Replaces all six values.
    virtual void Set(PMReal width, UID mainColor, UID secondColor, int32 borderStyle, ClassID lineStart,
                     ClassID lineEnd) = 0;
    virtual PMReal GetWidth() const = 0;
    virtual UID GetMainColor() const = 0;
    virtual UID GetSecondColor() const = 0;
    virtual int32 GetBorderStyle() const = 0;
    virtual ClassID GetLineStart() const = 0;
    virtual ClassID GetLineEnd() const = 0;
};
