// IStringListControlData: the entries of a drop-down list. A change is sent as
// kStringListChangedMessage under IID_ISTRINGLISTCONTROLDATA.
#pragma once

#include "host/objectmodel/IPMUnknown.h"
#include "host/ui/UIIDs.h"
#include "host/util/PMString.h"

class IStringListControlData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ISTRINGLISTCONTROLDATA };
    static constexpr int32 kEnd = -1;
    virtual void Clear(bool16 invalidate = kTrue, bool16 notifyOfChange = kTrue) = 0;
    // Inserts before the index (kEnd: appends).
    virtual void AddString(const PMString& text, int32 index = kEnd, bool16 invalidate = kTrue,
                           bool16 notifyOfChange = kTrue) = 0;
    virtual void RemoveString(int32 index, bool16 invalidate = kTrue, bool16 notifyOfChange = kTrue) = 0;
    virtual int32 Length() const = 0;
    // The entry at the index, empty out of range.
    virtual PMString GetString(int32 index) const = 0;
    // The first entry equal to the text, -1 when none is.
    virtual int32 GetIndex(const PMString& text) const = 0;
};
