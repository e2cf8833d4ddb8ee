// StoredUIDList: an ordered list of UIDs that a persistent implementation owns and streams.
#pragma once

#include <algorithm>
#include <vector>

#include "../database/CountedList.h"
#include "host/database/IPMStream.h"
#include "host/database/UID.h"

class StoredUIDList {
public:
    int32 Count() const { return static_cast<int32>(fUIDs.size()); }
    UID At(int32 index) const {
        return index >= 0 && index < Count() ? fUIDs[static_cast<size_t>(index)] : kInvalidUID;
    }
    int32 IndexOf(UID uid) const {
        const auto found = std::find(fUIDs.begin(), fUIDs.end(), uid);
        return found == fUIDs.end() ? -1 : static_cast<int32>(found - fUIDs.begin());
    }
    // Inserts at position (-1 or past the end: appends).
    void Insert(UID uid, int32 position) {
        if (position < 0 || position > Count())
            position = Count();
        fUIDs.insert(fUIDs.begin() + position, uid);
    }
    void Remove(UID uid) { std::erase(fUIDs, uid); }
    const std::vector<UID>& UIDs() const { return fUIDs; }

    void ReadWrite(IPMStream* stream) { CountedList::XferReferences(stream, fUIDs); }

private:
    std::vector<UID> fUIDs;
};
