#include "NotesDocumentAccess.h"

#include <cmath>

#include "NotesFailureLog.h"
#include "NotesID.h"
#include "host/document/IGeometry.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/ISpread.h"
#include "host/document/ITransform.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/ObjectModel.h"

namespace NotesDocumentAccess {
UID NearestPageOfSpread(IDataBase* db, UID spreadUID, const PMPoint& point) {
    InterfacePtr<ISpread> spread(UIDRef(db, spreadUID), IID_ISPREAD);
    if (!NOTES_CHECK_NIL(spread))
        return kInvalidUID;
    UID best = kInvalidUID;
    PMReal bestDistance = 100000.0;
    for (int32 i = 0; i < spread->GetNumPages(); ++i) {
        const UIDRef pageRef(db, spread->GetNthPageUID(i));
        InterfacePtr<IGeometry> pageGeometry(pageRef, IID_IGEOMETRY);
        InterfacePtr<ITransform> pageTransform(pageRef, IID_ITRANSFORM);
        if (!NOTES_CHECK_NIL(pageGeometry) || !NOTES_CHECK_NIL(pageTransform))
            continue;
        PMPoint center = pageGeometry->GetPathBoundingBox().GetCenter();
        pageTransform->TransformInnerPointToPasteboard(&center);
        const PMReal distance = std::hypot(center.X() - point.X(), center.Y() - point.Y());
        if (best == kInvalidUID || distance < bestDistance - 1e-8) {
            best = pageRef.GetUID();
            bestDistance = distance;
        }
    }
    return best;
}

PMRect PasteboardBoundsOf(const IPMUnknown* item) {
    InterfacePtr<IGeometry> geometry(item, IID_IGEOMETRY);
    InterfacePtr<ITransform> transform(item, IID_ITRANSFORM);
    if (!geometry || !transform)
        return PMRect();
    PMRect bounds = geometry->GetPathBoundingBox();
    transform->TransformInnerRectToPasteboard(&bounds);
    return bounds;
}

UID PageOfItem(const IPMUnknown* item) {
    Utils<ILayoutUtils> layoutUtils;
    IDataBase* db = ::GetDataBase(item);
    if (!NOTES_CHECK_NIL(layoutUtils) || !NOTES_CHECK_NIL(db))
        return kInvalidUID;
    const UID ownerUID = layoutUtils->GetOwnerPageUID(item);
    if (!NOTES_CHECK_TRUE(ownerUID != kInvalidUID))
        return kInvalidUID;
    if (db->GetClass(ownerUID) == kPageBoss)
        return ownerUID;
    return NearestPageOfSpread(db, ownerUID, PasteboardBoundsOf(item).GetCenter());
}
UID AnnotationSpreadLayerOf(const IPMUnknown* item) {
    IDataBase* db = ::GetDataBase(item);
    auto layerUIDData = QueryDocumentInterface<IUIDData>(db, IID_INOTESDOCLAYERREFERENCE);
    if (!NOTES_CHECK_NIL(layerUIDData) || !NOTES_CHECK_TRUE(layerUIDData->GetUID() != kInvalidUID))
        return kInvalidUID;
    InterfacePtr<IHierarchy> hierarchy(item, IID_IHIERARCHY);
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
} // namespace NotesDocumentAccess
