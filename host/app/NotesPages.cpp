#include "NotesPages.h"

#include "INotesMasterPageList.h"
#include "host/database/IDataBase.h"
#include "host/document/IHierarchy.h"
#include "host/document/IMasterSpread.h"
#include "host/document/IPageList.h"
#include "host/document/ISpread.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
std::string MasterPageLabel(IDataBase* db, UID page) {
    InterfacePtr<IHierarchy> hierarchy(UIDRef(db, page), IID_IHIERARCHY);
    const UID spreadUID = hierarchy ? hierarchy->GetSpreadUID() : kInvalidUID;
    InterfacePtr<IMasterSpread> master(UIDRef(db, spreadUID), IID_IMASTERSPREAD);
    InterfacePtr<ISpread> spread(UIDRef(db, spreadUID), IID_ISPREAD);
    const std::string name = master ? master->GetName().GetUTF8String() : std::string("Master");
    return name + " " + std::to_string(spread ? spread->GetPageIndex(page) + 1 : 1);
}
} // namespace

std::vector<NotesPages::Page> NotesPages::InPanelOrder(IDataBase* db) {
    std::vector<Page> pages;
    const UIDRef docRef(db, db->GetRootUID());
    InterfacePtr<INotesMasterPageList> masters(docRef, IID_INOTESMASTERPAGELIST);
    for (int32 i = 0; masters && i < masters->GetMasterPageCount(); ++i)
        pages.push_back({masters->GetNthMasterPage(i), MasterPageLabel(db, masters->GetNthMasterPage(i))});
    InterfacePtr<IPageList> pageList(docRef, IID_IPAGELIST);
    for (int32 i = 0; pageList && i < pageList->GetPageCount(); ++i)
        pages.push_back({pageList->GetNthPageUID(i), "Page " + std::to_string(i + 1)});
    return pages;
}
