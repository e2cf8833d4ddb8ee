// IRenderingObject: what makes a swatch a swatch: its name, whether it is one of the four standard
// swatches, and whether the user may edit and delete it.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/PMString.h"

class IRenderingObject : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IRENDERINGOBJECT };
    enum StandardKind {
        kNotStandard = 0,
        kNoneSwatch = 1,
        kPaperSwatch = 2,
        kBlackSwatch = 3,
        kRegistrationSwatch = 4
    };

    virtual PMString GetSwatchName() const = 0;
    virtual void SetSwatchName(const PMString& name) = 0;
    virtual int32 GetStandardKind() const = 0;
    virtual void SetStandardKind(int32 kind) = 0;
    virtual bool16 IsStandard() const = 0;
    // A swatch that a plug-in keeps for itself is not editable until it lets it go (SetEditable(1)).
    virtual bool16 IsEditable() const = 0;
    virtual void SetEditable(bool16 editable) = 0;
};
