// ISwatchList: the document's swatches, the four standard ones (None, Paper, Black, Registration)
// first, then the named ones in the order they were added.
#pragma once

#include "host/database/UIDList.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/PMString.h"

class ISwatchList : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ISWATCHLIST };
    virtual int32 GetSwatchCount() const = 0;
    virtual UID GetNthSwatchUID(int32 index) const = 0;
    virtual UIDList GetSwatchUIDs() const = 0;
    virtual bool16 Contains(UID swatch) const = 0;
    // The first swatch of that name, or kInvalidUID.
    virtual UID FindSwatch(const PMString& name) const = 0;
    virtual void AddSwatch(UID swatch) = 0;
    virtual void RemoveSwatch(UID swatch) = 0;

    virtual UID GetNoneSwatchUID() const = 0;
    virtual UID GetPaperSwatchUID() const = 0;
    virtual UID GetBlackSwatchUID() const = 0;
    virtual UID GetRegistrationSwatchUID() const = 0;
    // Host use: remembers the standard swatches when a document is set up.
    virtual void SetStandardSwatches(UID none, UID paper, UID black, UID registration) = 0;
};
