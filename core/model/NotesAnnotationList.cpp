#include "NotesAnnotationList.h"

#include "INotesAnnotation.h"
#include "host/database/IDataBase.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/ISpread.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/ObjectModel.h"
#include "lifecycle/NotesDocumentAccess.h"
#include "lifecycle/NotesFailureLog.h"

UIDList NotesAnnotationList::GetAnnotations() {
    IDataBase* database = ::GetDataBase(this);
    if (!NOTES_CHECK_NIL(database))
        return UIDList();
    if (!fValid) {
        fCache = Rebuild();
        fValid = kTrue;
    }
    UIDList existing(database);
    for (UID uid : fCache.GetUIDs())
        if (database->IsValidUID(uid))
            existing.Append(uid);
    return existing;
}

void NotesAnnotationList::Invalidate() {
    fCache.Clear();
    fValid = kFalse;
}

UIDList NotesAnnotationList::Rebuild() {
    IDataBase* database = ::GetDataBase(this);
    UIDList result(database);
    InterfacePtr<IHierarchy> pageHierarchy(this, IID_IHIERARCHY);
    if (!NOTES_CHECK_NIL(pageHierarchy))
        return result;
    const UID spread = pageHierarchy->GetSpreadUID();
    if (!NOTES_CHECK_TRUE(spread != kInvalidUID))
        return result;
    AddPageItems(spread, &result);
    return result;
}

void NotesAnnotationList::AddPageItems(UID spreadUID, UIDList* result) {
    IDataBase* database = ::GetDataBase(this);
    const UID thisPage = ::GetUID(this);
    InterfacePtr<ISpread> spread(UIDRef(database, spreadUID), IID_ISPREAD);
    Utils<ILayoutUtils> layoutUtils;
    if (!NOTES_CHECK_NIL(spread) || !NOTES_CHECK_NIL(layoutUtils))
        return;
    const UIDList items = spread->GetItemsOnSpread();
    for (UID itemUID : items.GetUIDs()) {
        InterfacePtr<INotesAnnotation> annotation(UIDRef(database, itemUID), IID_INOTESANNOTATION);
        if (!annotation)
            continue;
        const UID owner = layoutUtils->GetOwnerPageUID(annotation);
        if (owner == thisPage) {
            result->Insert(itemUID);
        } else if (owner == spreadUID) {
            const PMPoint center = NotesDocumentAccess::PasteboardBoundsOf(annotation).GetCenter();
            if (NotesDocumentAccess::NearestPageOfSpread(database, spreadUID, center) == thisPage &&
                !result->Contains(itemUID))
                result->Append(itemUID);
        }
    }
}
