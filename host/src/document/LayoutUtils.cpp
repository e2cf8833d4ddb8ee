// LayoutUtils: which page or spread owns an item, and what lies under a pasteboard point.
#include "../objectmodel/HostImplementations.h"
#include "Query.h"
#include "host/document/IDocument.h"
#include "host/document/IGeometry.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/ISpread.h"
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

private:
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
