#include "NotesAnnotationList.h"

#include "INotesAnnotation.h"
#include "host/database/IDataBase.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/ISpread.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/IFrameUtils.h"
#include "host/text/IItemStrand.h"
#include "host/text/IMultiColumnTextFrame.h"
#include "host/text/ITableModel.h"
#include "host/text/ITextModel.h"
#include "host/text/ITextStoryThread.h"
#include "host/text/ITextStoryThreadDict.h"
#include "lifecycle/NotesDocumentAccess.h"
#include "NotesFailureLog.h"
#include "textmarkup/NotesTextMarkupClasses.h"

UIDList NotesAnnotationList::GetAnnotations() {
    IDataBase* database = ::GetDataBase(this);
    if (!NOTES_CHECK_NIL(database))
        return UIDList();
    // Any change to the document may move an annotation onto or off this page, so the list is
    // rebuilt whenever the database changed since it was built, not only when a command says so.
    const uint64 stamp = database->GetChangeCount();
    if (!fValid || fStamp != stamp) {
        fCache = Rebuild();
        fValid = kTrue;
        fStamp = stamp;
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
    AddTextMarkups(spread, &result);
    return result;
}

void NotesAnnotationList::AddPageItems(UID spreadUID, UIDList* result) {
    IDataBase* database = ::GetDataBase(this);
    InterfacePtr<ISpread> spread(UIDRef(database, spreadUID), IID_ISPREAD);
    if (!NOTES_CHECK_NIL(spread))
        return;
    const UIDList items = spread->GetItemsOnSpread();
    for (UID itemUID : items.GetUIDs()) {
        InterfacePtr<INotesAnnotation> annotation(UIDRef(database, itemUID), IID_INOTESANNOTATION);
        if (!annotation || database->GetClass(itemUID) == kNotesPopupAnnotationBoss)
            continue; // a popup is its owner's note window, not an annotation of the page
        const Belonging belonging = BelongingOf(annotation, spreadUID);
        if (belonging == Belonging::kOwnedByPage)
            result->Insert(itemUID);
        else if (belonging == Belonging::kNearestToPage && !result->Contains(itemUID))
            result->Append(itemUID);
    }
}

NotesAnnotationList::Belonging NotesAnnotationList::BelongingOf(const IPMUnknown* item, UID spreadUID) {
    Utils<ILayoutUtils> layoutUtils;
    if (!NOTES_CHECK_NIL(layoutUtils))
        return Belonging::kElsewhere;
    const UID thisPage = ::GetUID(this);
    const UID owner = layoutUtils->GetOwnerPageUID(item);
    if (owner == thisPage)
        return Belonging::kOwnedByPage;
    if (owner != spreadUID)
        return Belonging::kElsewhere;
    const PMPoint center = NotesDocumentAccess::PasteboardBoundsOf(item).GetCenter();
    return NotesDocumentAccess::NearestPageOfSpread(::GetDataBase(this), spreadUID, center) == thisPage
               ? Belonging::kNearestToPage
               : Belonging::kElsewhere;
}

void NotesAnnotationList::AddTextMarkups(UID spreadUID, UIDList* result) {
    IDataBase* database = ::GetDataBase(this);
    Utils<IFrameUtils> frameUtils;
    if (!NOTES_CHECK_NIL(frameUtils))
        return;
    const UIDList frames = frameUtils->GetTextFrames(UIDRef(database, spreadUID));
    for (UID frameUID : frames.GetUIDs()) {
        InterfacePtr<IMultiColumnTextFrame> multiColumnTextFrame(UIDRef(database, frameUID),
                                                                 IID_IMULTICOLUMNTEXTFRAME);
        if (!NOTES_CHECK_NIL(multiColumnTextFrame) ||
            BelongingOf(multiColumnTextFrame, spreadUID) == Belonging::kElsewhere)
            continue;
        InterfacePtr<ITextModel> textModel(multiColumnTextFrame->QueryTextModel());
        if (!NOTES_CHECK_NIL(textModel))
            continue;
        InterfacePtr<IItemStrand> itemStrand(textModel, IID_IITEMSTRAND);
        if (!NOTES_CHECK_NIL(itemStrand))
            continue;
        AddMarkersInRange(itemStrand, multiColumnTextFrame->GetTextRange(), result);
    }
}

void NotesAnnotationList::AddMarkersInRange(const IItemStrand* itemStrand, RangeData range, UIDList* result) {
    OwnedItemDataList items;
    itemStrand->CollectOwnedItems(range, kInvalidClass, &items);
    for (const OwnedItemData& item : items) {
        if (NotesTextMarkupClasses::IsEndMarkerClass(item.fClassID) && !result->Contains(item.fUID))
            result->Append(item.fUID);
        else if (item.fClassID == kTableAnchorBoss || item.fClassID == kTableFrameBoss)
            AddMarkersOfTable(itemStrand, item.fUID, result);
    }
}

void NotesAnnotationList::AddMarkersOfTable(const IItemStrand* itemStrand, UID tableItem, UIDList* result) {
    InterfacePtr<ITableModel> tableModel(UIDRef(::GetDataBase(this), tableItem), IID_ITABLEMODEL);
    if (!NOTES_CHECK_NIL(tableModel))
        return;
    InterfacePtr<ITextStoryThreadDict> storyThreadDict(tableModel->QueryThreadDict());
    if (!NOTES_CHECK_NIL(storyThreadDict))
        return;
    for (int32 t = 0; t < storyThreadDict->GetThreadCount(); ++t) {
        InterfacePtr<ITextStoryThread> textStoryThread(storyThreadDict->QueryThread(t));
        if (NOTES_CHECK_NIL(textStoryThread))
            AddMarkersInRange(itemStrand, textStoryThread->GetTextRange(), result);
    }
}
