// ITextDataValidation: what a number field accepts: a range and whole numbers only (by default) or any
// number.
#pragma once

#include "host/objectmodel/IPMUnknown.h"
#include "host/ui/UIIDs.h"
#include "host/util/Geometry.h"
#include "host/util/PMString.h"

class ITextDataValidation : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITEXTDATAVALIDATION };
    virtual void SetMinimum(PMReal minimum) = 0;
    virtual void SetMaximum(PMReal maximum) = 0;
    virtual PMReal GetMinimum() const = 0;
    virtual PMReal GetMaximum() const = 0;
    virtual void SetIntegerOnly(bool16 integerOnly) = 0;
    virtual bool16 IsIntegerOnly() const = 0;
    // Checks the widget's text now: empty when it is accepted, else the sentence telling the user why not.
    virtual PMString Validate() const = 0;
};
