// LayoutUtils: which page or spread owns an item, and what lies under a pasteboard point.
#include "../objectmodel/HostImplementations.h"
#include "Query.h"
#include "host/document/IDocument.h"
#include "host/document/IDocumentLayer.h"
#include "host/document/IGeometry.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/ISpread.h"
#include "host/document/ISpreadLayer.h"
#include "host/document/ISpreadList.h"
#include "host/document/ITransform.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"

namespace {
class LayoutUtils final : public CPMUnknown<ILayoutUtils> {
public:
    explicit LayoutUtils(IPMUnknown* boss) : CPMUnknown<ILayoutUtils>(boss) {}

    UID GetOwnerPageUID(const IPMUnknown* pageItem) const override {
        InterfacePtr<IHierarchy> hierarchy(pageItem, IID_IHIERARCHY);
        InterfacePtr<IGeometry> geometry(pageItem, IID_IGEOMETRY);
        InterfacePtr<ITransform> transform(pageItem, IID_ITRANSFORM);
        if (!hierarchy || !geometry || !transform)
            return kInvalidUID;
        IDataBase* db = ::GetDataBase(pageItem);
        const UID spreadUID = hierarchy->GetSpreadUID();
        InterfacePtr<ISpread> spread = Query::Get<ISpread>(db, spreadUID);
        if (!spread)
            return kInvalidUID;
        PMRect bounds = geometry->GetPathBoundingBox();
        transform->TransformInnerRectToPasteboard(&bounds);
        const UID page = PageContaining(db, spread, bounds.GetCenter());
        return page != kInvalidUID ? page : spreadUID;
    }

    UID GetSpreadUIDAtPoint(const IDocument* document, const PMPoint& point) const override {
        IDataBase* db = ::GetDataBase(document);
        InterfacePtr<ISpreadList> spreads(document, IID_ISPREADLIST);
        for (int32 i = 0; spreads && i < spreads->GetSpreadCount(); ++i) {
            const UID uid = spreads->GetNthSpreadUID(i);
            InterfacePtr<ISpread> spread = Query::Get<ISpread>(db, uid);
            InterfacePtr<ITransform> transform = Query::Get<ITransform>(db, uid);
            if (!spread || !transform)
                continue;
            PMRect pasteboard = spread->GetPasteboardBounds();
            transform->TransformInnerRectToPasteboard(&pasteboard);
            if (pasteboard.Contains(point))
                return uid;
        }
        return kInvalidUID;
    }

    UID GetPageUIDAtPoint(const IDocument* document, const PMPoint& point) const override {
        IDataBase* db = ::GetDataBase(document);
        InterfacePtr<ISpread> spread = Query::Get<ISpread>(db, GetSpreadUIDAtPoint(document, point));
        return spread ? PageContaining(db, spread, point) : kInvalidUID;
    }

    PMRect GetPageBoundsOnPasteboard(const UIDRef& page) const override {
        InterfacePtr<IGeometry> geometry = Query::Get<IGeometry>(page);
        InterfacePtr<ITransform> transform = Query::Get<ITransform>(page);
        if (!geometry || !transform)
            return PMRect();
        PMRect bounds = geometry->GetPathBoundingBox();
        transform->TransformInnerRectToPasteboard(&bounds);
        return bounds;
    }

    UID GetPageItemAtPoint(const UIDRef& spreadRef, const PMPoint& point) const override {
        IDataBase* db = spreadRef.GetDataBase();
        InterfacePtr<ISpread> spread = Query::Get<ISpread>(spreadRef);
        if (!spread)
            return kInvalidUID;
        // The spread's items come in drawing order, so the last one hit is the frontmost.
        const UIDList items = spread->GetItemsOnSpread();
        for (int32 i = items.Length() - 1; i >= 0; --i) {
            InterfacePtr<IHierarchy> hierarchy = Query::Get<IHierarchy>(db, items.At(i));
            if (hierarchy && IsOnShownLayer(db, hierarchy->GetLayerUID()) && Holds(db, items.At(i), point))
                return TopLevelItem(db, hierarchy);
        }
        return kInvalidUID;
    }

private:
    static bool IsOnShownLayer(IDataBase* db, UID spreadLayerUID) {
        InterfacePtr<ISpreadLayer> spreadLayer = Query::Get<ISpreadLayer>(db, spreadLayerUID);
        InterfacePtr<IDocumentLayer> layer =
            spreadLayer ? Query::Get<IDocumentLayer>(db, spreadLayer->GetDocLayerUID())
                        : InterfacePtr<IDocumentLayer>();
        return layer && layer->IsVisible();
    }

    static bool Holds(IDataBase* db, UID item, const PMPoint& point) {
        InterfacePtr<IGeometry> geometry = Query::Get<IGeometry>(db, item);
        InterfacePtr<ITransform> transform = Query::Get<ITransform>(db, item);
        if (!geometry || !transform)
            return false;
        PMRect bounds = geometry->GetStrokeBoundingBox();
        transform->TransformInnerRectToPasteboard(&bounds);
        return bounds.Contains(point);
    }

    // The ancestor of the item (or the item) whose parent is its spread layer.
    static UID TopLevelItem(IDataBase* db, IHierarchy* hierarchy) {
        const UID layer = hierarchy->GetLayerUID();
        UID item = ::GetUID(hierarchy);
        InterfacePtr<IHierarchy> current = Query::Get<IHierarchy>(db, item);
        while (current && current->GetParentUID() != layer && current->GetParentUID() != kInvalidUID) {
            item = current->GetParentUID();
            current = Query::Get<IHierarchy>(db, item);
        }
        return item;
    }

    UID PageContaining(IDataBase* db, const ISpread* spread, const PMPoint& point) const {
        for (int32 i = 0; i < spread->GetNumPages(); ++i) {
            const UID page = spread->GetNthPageUID(i);
            if (GetPageBoundsOnPasteboard(UIDRef(db, page)).Contains(point))
                return page;
        }
        return kInvalidUID;
    }
};
} // namespace

ImplementationDeclaration MakeLayoutUtilsImplementation(ImplementationID id) {
    return IMPLEMENTATION(LayoutUtils, id, false);
}
