// OwnedItemData: one object anchored in a story's text: its UID, the index of the character it
// is anchored at, and its class.
#pragma once

#include <vector>

#include "host/database/UID.h"
#include "host/objectmodel/ObjectIDs.h"
#include "host/text/TextTypes.h"

struct OwnedItemData {
    UID fUID = kInvalidUID;
    TextIndex fAt = -1;
    ClassID fClassID = kInvalidClass;
    bool operator==(const OwnedItemData& o) const = default;
};

using OwnedItemDataList = std::vector<OwnedItemData>;
