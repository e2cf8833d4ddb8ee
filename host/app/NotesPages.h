// NotesPages: the pages whose annotations the Notes panel lists, in its order: the master pages
// first, then the document's pages, each with the label the panel gives it.
#pragma once

#include <string>
#include <vector>

#include "host/database/UID.h"

class IDataBase;

class NotesPages {
public:
    struct Page {
        UID uid = kInvalidUID;
        std::string label; // "A-Master 1", "Page 3"
    };
    static std::vector<Page> InPanelOrder(IDataBase* db);
};
