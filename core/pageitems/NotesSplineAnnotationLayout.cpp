#include "NotesSplineAnnotationLayout.h"

#include "host/database/IDataBase.h"
#include "host/document/IHierarchy.h"
#include "host/document/ISpread.h"
#include "host/objectmodel/IUIDData.h"
#include "lifecycle/NotesDocumentAccess.h"
#include "lifecycle/NotesFailureLog.h"

UID NotesSplineAnnotationLayout::GetPageUID() {
    return NotesDocumentAccess::PageOfItem(this);
}

UID NotesSplineAnnotationLayout::GetLayerUID() {
    IDataBase* db = ::GetDataBase(this);
    auto layerUIDData =
        NotesDocumentAccess::QueryDocumentInterface<IUIDData>(db, IID_INOTESDOCLAYERREFERENCE);
    if (!NOTES_CHECK_NIL(layerUIDData) || !NOTES_CHECK_TRUE(layerUIDData->GetUID() != kInvalidUID))
        return kInvalidUID;
    InterfacePtr<IHierarchy> hierarchy(this, IID_IHIERARCHY);
    if (!NOTES_CHECK_NIL(hierarchy))
        return kInvalidUID;
    const UID spreadUID = hierarchy->GetSpreadUID();
    if (!NOTES_CHECK_TRUE(spreadUID != kInvalidUID))
        return kInvalidUID;
    InterfacePtr<ISpread> spread(UIDRef(db, spreadUID), IID_ISPREAD);
    if (!NOTES_CHECK_NIL(spread))
        return kInvalidUID;
    return spread->GetSpreadLayerUID(layerUIDData->GetUID(), ISpread::kContentLayer);
}

PMRect NotesSplineAnnotationLayout::GetBounds() {
    return NotesDocumentAccess::PasteboardBoundsOf(this);
}
