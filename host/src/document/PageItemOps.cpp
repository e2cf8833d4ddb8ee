#include "PageItemOps.h"

#include <algorithm>
#include <vector>

#include "Query.h"
#include "host/commands/ICommand.h"
#include "host/document/IDocumentLayer.h"
#include "host/document/IGraphicStyleAttributeBossList.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayerList.h"
#include "host/document/IMasterSpreadList.h"
#include "host/document/ISpread.h"
#include "host/document/ISpreadLayer.h"
#include "host/document/ISpreadList.h"
#include "host/document/ITransform.h"
#include "host/notify/IChangeBroadcastUtils.h"
#include "host/objectmodel/ObjectModel.h"

namespace PageItemOps {
PMMatrix InnerToPasteboard(IDataBase* db, UID uid) {
    if (InterfacePtr<ITransform> transform = Query::Get<ITransform>(db, uid))
        return transform->InnerToPasteboardMatrix();
    // An object without a transform (a spread layer) shares its parent's coordinates.
    InterfacePtr<IHierarchy> hierarchy = Query::Get<IHierarchy>(db, uid);
    if (!hierarchy || hierarchy->GetParentUID() == kInvalidUID)
        return PMMatrix();
    return InnerToPasteboard(db, hierarchy->GetParentUID());
}

void DeleteTree(IDataBase* db, UID uid) {
    InterfacePtr<IHierarchy> hierarchy = Query::Get<IHierarchy>(db, uid);
    if (!hierarchy)
        return;
    UIDList doomed(db);
    hierarchy->GetDescendants(&doomed, kTrue);
    if (InterfacePtr<IHierarchy> parent{hierarchy->QueryParent()})
        parent->RemoveChild(uid);
    hierarchy.reset();
    for (UID victim : doomed.GetUIDs())
        db->DeleteUID(victim);
}

void Reparent(IDataBase* db, UID item, UID newParent, int32 position) {
    InterfacePtr<IHierarchy> hierarchy = Query::Get<IHierarchy>(db, item);
    InterfacePtr<IHierarchy> target = Query::Get<IHierarchy>(db, newParent);
    InterfacePtr<ITransform> transform = Query::Get<ITransform>(db, item);
    if (!hierarchy || !target || !transform)
        return;
    const PMMatrix onPasteboard = transform->InnerToPasteboardMatrix();
    if (InterfacePtr<IHierarchy> parent{hierarchy->QueryParent()})
        parent->RemoveChild(item);
    target->AddChild(item, position);
    PMMatrix parentToPasteboard = InnerToPasteboard(db, newParent);
    parentToPasteboard.Invert();
    PMMatrix toParent = onPasteboard;
    toParent.Concat(parentToPasteboard);
    transform->SetInnerToParentMatrix(toParent);
}

UID NewSpreadLayer(IDataBase* db, UID spread, UID documentLayer, bool16 guide, int32 position) {
    const UID uid = db->NewUID(kSpreadLayerBoss);
    InterfacePtr<ISpreadLayer> layer = Query::Get<ISpreadLayer>(db, uid);
    InterfacePtr<IHierarchy> spreadHierarchy = Query::Get<IHierarchy>(db, spread);
    if (!layer || !spreadHierarchy)
        return kInvalidUID;
    layer->SetDocLayerUID(documentLayer);
    layer->SetGuideLayer(guide);
    spreadHierarchy->AddChild(uid, position);
    return uid;
}

UIDList AllSpreads(IDataBase* db) {
    UIDList spreads(db);
    const UID root = db->GetRootUID();
    if (InterfacePtr<ISpreadList> list = Query::Get<ISpreadList>(db, root))
        for (int32 i = 0; i < list->GetSpreadCount(); ++i)
            spreads.Append(list->GetNthSpreadUID(i));
    if (InterfacePtr<IMasterSpreadList> masters = Query::Get<IMasterSpreadList>(db, root))
        for (int32 i = 0; i < masters->GetMasterSpreadCount(); ++i)
            spreads.Append(masters->GetNthMasterSpreadUID(i));
    return spreads;
}

namespace {
// The spreads of the list (document or master) in order.
std::vector<UID> ListedSpreads(IDataBase* db, bool masters) {
    std::vector<UID> spreads;
    const UID root = db->GetRootUID();
    if (masters) {
        if (InterfacePtr<IMasterSpreadList> list = Query::Get<IMasterSpreadList>(db, root))
            for (int32 i = 0; i < list->GetMasterSpreadCount(); ++i)
                spreads.push_back(list->GetNthMasterSpreadUID(i));
    } else if (InterfacePtr<ISpreadList> list = Query::Get<ISpreadList>(db, root)) {
        for (int32 i = 0; i < list->GetSpreadCount(); ++i)
            spreads.push_back(list->GetNthSpreadUID(i));
    }
    return spreads;
}

// Where the pasteboard of a placed spread ends, in the list's coordinates.
PMReal PasteboardBottom(IDataBase* db, UID uid) {
    InterfacePtr<ISpread> spread = Query::Get<ISpread>(db, uid);
    InterfacePtr<ITransform> transform = Query::Get<ITransform>(db, uid);
    if (!spread || !transform)
        return 0.0;
    return transform->GetInnerToParentMatrix().Ty() + spread->GetPasteboardBounds().Bottom();
}
} // namespace

void ArrangeSpreads(IDataBase* db, bool masters, UID from) {
    const std::vector<UID> spreads = ListedSpreads(db, masters);
    auto start = std::find(spreads.begin(), spreads.end(), from);
    if (start == spreads.end())
        start = spreads.begin();
    // Pasteboards of neighbouring spreads touch but never overlap; the spreads before `from` stand.
    PMReal top = 0.0;
    for (auto before = start; before != spreads.begin();)
        if (InterfacePtr<ISpread> spread = Query::Get<ISpread>(db, *--before)) {
            top = PasteboardBottom(db, *before);
            break;
        }
    for (auto it = start; it != spreads.end(); ++it) {
        InterfacePtr<ISpread> spread = Query::Get<ISpread>(db, *it);
        InterfacePtr<ITransform> transform = Query::Get<ITransform>(db, *it);
        if (!spread || !transform)
            continue;
        const PMRect pasteboard = spread->GetPasteboardBounds();
        const PMMatrix placed(1, 0, 0, 1, 0, top - pasteboard.Top());
        if (transform->GetInnerToParentMatrix() != placed)
            transform->SetInnerToParentMatrix(placed);
        top += pasteboard.Height();
    }
}

bool IsPageItem(IDataBase* db, UID uid) {
    InterfacePtr<IHierarchy> hierarchy = Query::Get<IHierarchy>(db, uid);
    if (!hierarchy)
        return false;
    InterfacePtr<ISpreadLayer> layer = Query::Get<ISpreadLayer>(db, hierarchy->GetLayerUID());
    return layer && !layer->IsPagesLayer() && hierarchy->GetLayerUID() != uid;
}

bool AddAttributes(const UIDList& items, const std::vector<GraphicAttribute>& attributes) {
    for (UID uid : items.GetUIDs()) {
        InterfacePtr<IGraphicStyleAttributeBossList> list =
            Query::Get<IGraphicStyleAttributeBossList>(items.GetDataBase(), uid);
        if (!list)
            return false;
        for (const GraphicAttribute& attribute : attributes)
            list->AddAttribute(attribute);
    }
    return true;
}

bool AreAllPageItems(const UIDList& items) {
    IDataBase* db = items.GetDataBase();
    if (!db || items.IsEmpty())
        return false;
    for (UID uid : items.GetUIDs())
        if (!IsPageItem(db, uid))
            return false;
    return true;
}

void Broadcast(IDataBase* db, ClassID change, PMIID protocol, ICommand* cmd) {
    Utils<IChangeBroadcastUtils>()->Broadcast(change, protocol, db, cmd);
}
} // namespace PageItemOps
