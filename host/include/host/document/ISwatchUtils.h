// ISwatchUtils: swatch look-ups and conversions: the standard swatches of a document, a swatch's
// components and RGB equivalent, whether a swatch is used, and deleting swatches with a replacement.
#pragma once

#include <vector>

#include "host/database/UIDList.h"
#include "host/document/IDocumentLayer.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/PMString.h"

class ISwatchUtils : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ISWATCHUTILS };

    virtual UID GetNoneSwatchUID(IDataBase* db) const = 0;
    virtual UID GetPaperSwatchUID(IDataBase* db) const = 0;
    virtual UID GetBlackSwatchUID(IDataBase* db) const = 0;
    virtual UID GetRegistrationSwatchUID(IDataBase* db) const = 0;
    virtual UID FindSwatch(IDataBase* db, const PMString& name) const = 0;

    // The swatch's own components in its colour space; empty for None or a missing swatch.
    virtual std::vector<PMReal> GetColorComponents(const UIDRef& swatch) const = 0;
    // The swatch as three RGB components from 0 to 1; empty for None or a missing swatch.
    virtual std::vector<PMReal> GetRGBComponents(const UIDRef& swatch) const = 0;
    virtual bool16 GetRGBColor(const UIDRef& swatch, RGBColor* color) const = 0;

    // True when a page item's stroke or fill uses the swatch.
    virtual bool16 IsSwatchInUse(const UIDRef& swatch) const = 0;
    // Processes the delete-swatches command; uses of the deleted swatches become the replacement
    // (None when kInvalidUID).
    virtual ErrorCode DeleteSwatches(const UIDList& swatches, UID replacement) const = 0;
};
