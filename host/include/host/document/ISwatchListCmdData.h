// ISwatchListCmdData: the swatch list (its document) the add-swatches command adds to.
#pragma once

#include "host/database/UIDRef.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class ISwatchListCmdData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ISWATCHLISTCMDDATA };
    virtual void SetSwatchList(const UIDRef& document) = 0;
    virtual UIDRef GetSwatchList() const = 0;
};
