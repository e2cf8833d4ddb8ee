#include "NotesAnnotsManager.h"

#include "INotesAnnotation.h"
#include "INotesAnnotationList.h"
#include "INotesMasterPageList.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/ILayerList.h"
#include "host/document/IPageList.h"
#include "host/document/ISpread.h"
#include "host/document/ISpreadList.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/IItemStrand.h"
#include "host/text/IStoryList.h"
#include "host/text/ITextModel.h"
#include "lifecycle/NotesCommands.h"
#include "NotesFailureLog.h"
#include "textmarkup/NotesTextMarkupClasses.h"

UID NotesAnnotsManager::GetAnnotationSpreadLayer(int32 pageIndex) {
    IDataBase* database = ::GetDataBase(this);
    if (!NOTES_CHECK_NIL(database))
        return kInvalidUID;
    InterfacePtr<IUIDData> layerUIDData(this, IID_INOTESDOCLAYERREFERENCE);
    if (!NOTES_CHECK_NIL(layerUIDData) || !NOTES_CHECK_TRUE(layerUIDData->GetUID() != kInvalidUID))
        return kInvalidUID;
    InterfacePtr<ILayerList> layerList(this, IID_ILAYERLIST);
    if (!NOTES_CHECK_NIL(layerList))
        return kInvalidUID;
    const UID docLayer = layerUIDData->GetUID();
    if (!NOTES_CHECK_TRUE(layerList->GetLayerIndex(docLayer) >= 0))
        return kInvalidUID;
    InterfacePtr<ISpreadList> spreadList(this, IID_ISPREADLIST);
    if (!NOTES_CHECK_NIL(spreadList))
        return kInvalidUID;
    int32 pagesSoFar = 0;
    for (int32 i = 0; i < spreadList->GetSpreadCount(); ++i) {
        InterfacePtr<ISpread> spread(UIDRef(database, spreadList->GetNthSpreadUID(i)), IID_ISPREAD);
        if (!NOTES_CHECK_NIL(spread))
            return kInvalidUID;
        pagesSoFar += spread->GetNumPages();
        if (pagesSoFar > pageIndex)
            return spread->GetSpreadLayerUID(docLayer, ISpread::kContentLayer);
    }
    return kInvalidUID;
}

ErrorCode NotesAnnotsManager::RemoveTextMarkups(const UIDList& annotations) {
    return NotesCommands::ProcessOn(kNotesRemoveTextMarkupCmdBoss, annotations, "removeTextMarkupCmd")
               ? kSuccess
               : kFailure;
}

ErrorCode NotesAnnotsManager::RemoveAllTextMarkups() {
    // Every story's owned items, so that markers in overset text and in tables go too.
    IDataBase* database = ::GetDataBase(this);
    InterfacePtr<IStoryList> storyList(this, IID_ISTORYLIST);
    if (!NOTES_CHECK_NIL(database) || !NOTES_CHECK_NIL(storyList))
        return kFailure;
    UIDList markups(database);
    for (int32 i = 0; i < storyList->CountStories(); ++i) {
        const UIDRef story(database, storyList->GetNthStoryUID(i));
        InterfacePtr<ITextModel> textModel(story, IID_ITEXTMODEL);
        InterfacePtr<IItemStrand> itemStrand(story, IID_IITEMSTRAND);
        if (!NOTES_CHECK_NIL(textModel) || !NOTES_CHECK_NIL(itemStrand))
            continue;
        OwnedItemDataList items;
        itemStrand->CollectOwnedItems(RangeData(0, textModel->TotalLength()), kInvalidClass, &items);
        for (const OwnedItemData& item : items)
            if (NotesTextMarkupClasses::IsEndMarkerClass(item.fClassID))
                markups.Append(item.fUID);
    }
    if (markups.IsEmpty())
        return kSuccess;
    return NotesCommands::ProcessOn(kNotesRemoveTextMarkupCmdBoss, markups, "deleteTextMarkupCmd") ? kSuccess
                                                                                                   : kFailure;
}

std::vector<UID> NotesAnnotsManager::AllPages() {
    std::vector<UID> pages;
    InterfacePtr<INotesMasterPageList> masterPageList(this, IID_INOTESMASTERPAGELIST);
    if (NOTES_CHECK_NIL(masterPageList))
        for (int32 i = 0; i < masterPageList->GetMasterPageCount(); ++i)
            pages.push_back(masterPageList->GetNthMasterPage(i));
    InterfacePtr<IPageList> pageList(this, IID_IPAGELIST);
    if (NOTES_CHECK_NIL(pageList))
        for (int32 i = 0; i < pageList->GetPageCount(); ++i)
            pages.push_back(pageList->GetNthPageUID(i));
    return pages;
}

void NotesAnnotsManager::ForEachAnnotation(const std::function<void(UID, INotesAnnotation*)>& visit) {
    IDataBase* database = ::GetDataBase(this);
    if (!NOTES_CHECK_NIL(database))
        return;
    for (UID page : AllPages()) {
        InterfacePtr<INotesAnnotationList> annotationList(UIDRef(database, page), IID_INOTESANNOTATIONLIST);
        if (!annotationList)
            continue;
        const UIDList annotations = annotationList->GetAnnotations();
        for (UID uid : annotations.GetUIDs()) {
            InterfacePtr<INotesAnnotation> annotation(UIDRef(database, uid), IID_INOTESANNOTATION);
            if (annotation)
                visit(uid, annotation);
        }
    }
}

void NotesAnnotsManager::SetPopupShown(INotesAnnotation* annotation, bool16 shown) {
    const bool16 isShown = annotation->IsPopupShown();
    if (shown && !isShown)
        annotation->ShowPopup();
    else if (!shown && isShown)
        annotation->HidePopup();
}

void NotesAnnotsManager::ShowAllPopups(bool16 show) {
    ForEachAnnotation([&](UID, INotesAnnotation* annotation) { SetPopupShown(annotation, show); });
}

void NotesAnnotsManager::ShowPopups(const UIDList& exceptions, bool16 show) {
    ForEachAnnotation([&](UID uid, INotesAnnotation* annotation) {
        SetPopupShown(annotation, exceptions.Contains(uid) ? !show : show);
    });
}

void NotesAnnotsManager::ShowPopupOf(const UIDRef& annotationRef) {
    if (!NOTES_CHECK_NIL(annotationRef.GetDataBase()))
        return;
    InterfacePtr<INotesAnnotation> annotation(annotationRef, IID_INOTESANNOTATION);
    if (NOTES_CHECK_NIL(annotation) && !annotation->IsPopupShown())
        annotation->ShowPopup();
}

void NotesAnnotsManager::InvalidateAnnotationLists() {
    IDataBase* database = ::GetDataBase(this);
    if (!NOTES_CHECK_NIL(database))
        return;
    for (UID page : AllPages()) {
        InterfacePtr<INotesAnnotationList> annotationList(UIDRef(database, page), IID_INOTESANNOTATIONLIST);
        if (annotationList)
            annotationList->Invalidate();
    }
}
