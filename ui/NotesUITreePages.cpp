#include "NotesUITreePages.h"

#include "INotesAnnotationList.h"
#include "NotesFailureLog.h"
#include "QuillpaneID.h"
#include "host/database/IDataBase.h"
#include "host/document/IHierarchy.h"
#include "host/document/IMasterSpread.h"
#include "host/document/IMasterSpreadList.h"
#include "host/document/IPageList.h"
#include "host/document/ISpread.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/util/StringUtils.h"

namespace {
void AppendMasterPages(IDataBase* db, std::vector<UID>* pages) {
    InterfacePtr<IMasterSpreadList> masterSpreadList(UIDRef(db, db->GetRootUID()), IID_IMASTERSPREADLIST);
    if (!NOTES_CHECK_NIL(masterSpreadList))
        return;
    for (int32 i = 0; i < masterSpreadList->GetMasterSpreadCount(); ++i) {
        InterfacePtr<ISpread> masterSpread(UIDRef(db, masterSpreadList->GetNthMasterSpreadUID(i)),
                                           IID_ISPREAD);
        if (!NOTES_CHECK_NIL(masterSpread))
            continue;
        const UIDList spreadPages = masterSpread->GetPageUIDs();
        pages->insert(pages->end(), spreadPages.GetUIDs().begin(), spreadPages.GetUIDs().end());
    }
}

PMString MasterPageLabel(IDataBase* db, UID page) {
    InterfacePtr<IHierarchy> pageHieararchy(UIDRef(db, page), IID_IHIERARCHY);
    if (!NOTES_CHECK_NIL(pageHieararchy))
        return PMString();
    const UIDRef spreadRef(db, pageHieararchy->GetSpreadUID());
    InterfacePtr<IMasterSpread> masterSpread(spreadRef, IID_IMASTERSPREAD);
    InterfacePtr<ISpread> spread(spreadRef, IID_ISPREAD);
    if (!NOTES_CHECK_NIL(masterSpread) || !NOTES_CHECK_NIL(spread))
        return PMString();
    PMString label = masterSpread->GetName();
    label.Append(" ^1");
    label.Translate();
    PMString number;
    number.AppendNumber(spread->GetPageIndex(page) + 1);
    StringUtils::ReplaceStringParameters(&label, number);
    return label;
}
} // namespace

std::vector<UID> NotesUITreePages::InTreeOrder(IDataBase* db) {
    std::vector<UID> pages;
    if (!db)
        return pages;
    AppendMasterPages(db, &pages);
    InterfacePtr<IPageList> pageList(UIDRef(db, db->GetRootUID()), IID_IPAGELIST);
    if (!NOTES_CHECK_NIL(pageList))
        return pages;
    const std::vector<UID> documentPages = pageList->GetPageUIDs();
    pages.insert(pages.end(), documentPages.begin(), documentPages.end());
    return pages;
}

std::vector<UID> NotesUITreePages::WithAnnotations(IDataBase* db) {
    std::vector<UID> pages;
    for (UID page : InTreeOrder(db)) {
        InterfacePtr<INotesAnnotationList> annotationList(UIDRef(db, page), IID_INOTESANNOTATIONLIST);
        if (NOTES_CHECK_NIL(annotationList) && annotationList->GetAnnotationCount() > 0)
            pages.push_back(page);
    }
    return pages;
}

PMString NotesUITreePages::LabelOf(IDataBase* db, UID page) {
    InterfacePtr<IPageList> pageList(UIDRef(db, db->GetRootUID()), IID_IPAGELIST);
    if (!NOTES_CHECK_NIL(pageList))
        return PMString();
    const int32 index = pageList->GetPageIndex(page);
    if (index < 0)
        return MasterPageLabel(db, page);
    PMString label(NOTES_UI_KEY(kNotesUINthPageKey), PMString::kTranslateDuringCall);
    PMString number;
    number.AppendNumber(index + 1);
    StringUtils::ReplaceStringParameters(&label, number);
    return label;
}
