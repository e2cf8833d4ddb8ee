// IParcelList: the parcels a story thread flows through, in order. A parcel is addressed by its
// key; its frame (a text frame column) gives the parcel's geometry and transform.
#pragma once

#include <vector>

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/Parcel.h"

class IParcelList : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IPARCELLIST };
    virtual int32 GetParcelCount() const = 0;
    virtual ParcelKey GetNthParcelKey(int32 n) const = 0;
    // The place of a parcel in the list, or -1.
    virtual int32 GetParcelIndex(ParcelKey key) const = 0;
    // The frame column that holds the parcel, or kInvalidUID.
    virtual UID GetParcelFrameUID(ParcelKey key) const = 0;
    // Bounds in the parcel's inner coordinates and its inner-to-pasteboard transform.
    virtual PMRect GetParcelBounds(ParcelKey key) const = 0;
    virtual PMMatrix GetParcelToPasteboardMatrix(ParcelKey key) const = 0;
    // Every parcel with its bounds and transform, in order (what the composer fills).
    virtual std::vector<Parcel> GetParcels() const = 0;
};
