// IWaxStrand: the composition of a story (not stored; rebuilt on demand). Composing a range into
// parcels again re-shapes only paragraphs whose text, attribute boundaries or tables changed and
// lays out lines again only from the first change until the layout falls back into step. A
// table's anchor character is a line of its own, as high as the table.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/TextComposition.h"

class IWaxStrand : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IWAXSTRAND };
    // Composes range into the parcels in order. threadKey names the flow (a story's primary text,
    // a table cell, ...) whose earlier composition may be reused.
    virtual const TextComposition& Compose(int32 threadKey, RangeData range,
                                           const std::vector<Parcel>& parcels) = 0;
    // Forgets what was composed for a flow.
    virtual void Invalidate(int32 threadKey) = 0;
};
