#include "NotesMasterPageList.h"

#include <algorithm>

#include "host/database/IDataBase.h"
#include "host/document/IMasterSpreadList.h"
#include "host/document/ISpread.h"
#include "host/objectmodel/InterfacePtr.h"
#include "NotesFailureLog.h"

std::vector<UID> NotesMasterPageList::MasterPages() {
    std::vector<UID> pages;
    IDataBase* database = ::GetDataBase(this);
    if (!NOTES_CHECK_NIL(database))
        return pages;
    InterfacePtr<IMasterSpreadList> masterSpreadList(this, IID_IMASTERSPREADLIST);
    if (!NOTES_CHECK_NIL(masterSpreadList))
        return pages;
    for (int32 i = 0; i < masterSpreadList->GetMasterSpreadCount(); ++i) {
        InterfacePtr<ISpread> spread(UIDRef(database, masterSpreadList->GetNthMasterSpreadUID(i)),
                                     IID_ISPREAD);
        if (!NOTES_CHECK_NIL(spread))
            continue;
        for (int32 p = 0; p < spread->GetNumPages(); ++p)
            pages.push_back(spread->GetNthPageUID(p));
    }
    return pages;
}

UID NotesMasterPageList::GetNthMasterPage(int32 index) {
    const std::vector<UID> pages = MasterPages();
    return index >= 0 && index < static_cast<int32>(pages.size()) ? pages[static_cast<size_t>(index)]
                                                                  : kInvalidUID;
}

int32 NotesMasterPageList::GetMasterPageCount() {
    return static_cast<int32>(MasterPages().size());
}

int32 NotesMasterPageList::GetMasterPageIndex(UID pageUID) {
    const std::vector<UID> pages = MasterPages();
    const auto found = std::find(pages.begin(), pages.end(), pageUID);
    return found == pages.end() ? -1 : static_cast<int32>(found - pages.begin());
}
