// DocumentSetup: what a new document starts with: the standard swatches, its first layer and its
// first spreads. Run through commands on the new database before anyone sees the document; the
// undo history is then cleared, so that the set-up cannot be undone.
#pragma once

#include <vector>

#include "host/util/Geometry.h"
#include "host/util/PMString.h"

class IDataBase;

struct DocumentSetup {
    PMReal pageWidth = 612.0;
    PMReal pageHeight = 792.0;
    // Pages of each spread to make; empty for a document without spreads yet.
    std::vector<int32> spreadPages{1};
    PMString layerName{"Layer 1"};

    // Applies the set-up to a database holding only its document object.
    ErrorCode Apply(IDataBase* db) const;
};
