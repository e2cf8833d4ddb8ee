// NotesUITreePages: the pages of a document in the Notes tree's order (the pages of the master
// spreads in master-spread-list order, then the document pages in page-list order) and the label a
// page node shows. Finding the order is one pass over the spreads.
#pragma once

#include <vector>

#include "host/database/UID.h"
#include "host/util/PMString.h"

class IDataBase;

class NotesUITreePages {
public:
    // Every page in tree order, with or without annotations.
    static std::vector<UID> InTreeOrder(IDataBase* db);
    // Only the pages whose annotation list is not empty, in tree order.
    static std::vector<UID> WithAnnotations(IDataBase* db);
    // "Page 3" for a document page; the master spread's name and the page's number in its spread for
    // a master page.
    static PMString LabelOf(IDataBase* db, UID page);
};
