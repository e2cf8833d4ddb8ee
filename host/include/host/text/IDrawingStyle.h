// IDrawingStyle: how a run of text is drawn, as the attribute reports of its attributes tell it:
// the text adornments attached to the run, one per key class.
#pragma once

#include <vector>

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IDrawingStyle : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IDRAWINGSTYLE };
    // Attaches the adornment class under a key class, replacing what the key held; kInvalidClass
    // (0) takes the key's adornment away.
    virtual void SetTextAdornment(ClassID key, ClassID adornment) = 0;
    virtual ClassID GetTextAdornment(ClassID key) const = 0;
    // The attached adornment classes, in key order.
    virtual std::vector<ClassID> GetTextAdornments() const = 0;
};
