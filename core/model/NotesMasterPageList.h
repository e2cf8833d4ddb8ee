// NotesMasterPageList: the pages of all master spreads, spread by spread, as one list.
#pragma once

#include "INotesMasterPageList.h"
#include "host/objectmodel/CPMUnknown.h"

class NotesMasterPageList final : public CPMUnknown<INotesMasterPageList> {
public:
    explicit NotesMasterPageList(IPMUnknown* boss) : CPMUnknown<INotesMasterPageList>(boss) {}
    UID GetNthMasterPage(int32 index) override;
    int32 GetMasterPageCount() override;
    int32 GetMasterPageIndex(UID pageUID) override;

private:
    // Every master page in walking order; empty (logged) when the document's lists are missing.
    std::vector<UID> MasterPages();
};
