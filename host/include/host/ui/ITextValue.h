// ITextValue: a number field's text read and written as a number.
#pragma once

#include "host/objectmodel/IPMUnknown.h"
#include "host/ui/UIIDs.h"
#include "host/util/Geometry.h"

class ITextValue : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITEXTVALUE };
    // The number the text shows; *isValid (when given) tells whether the whole text is a number.
    virtual PMReal GetTextAsValue(bool16* isValid = nullptr) const = 0;
    // Writes the number (whole numbers without decimals) through the widget's ITextControlData.
    virtual void SetTextFromValue(PMReal value, bool16 invalidate = kTrue, bool16 notifyOfChange = kTrue) = 0;
};
