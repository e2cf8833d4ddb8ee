// Spread: the ISpread of spreads and master spreads. It stores nothing: pages and spread layers
// are read from the spread's hierarchy each time, so undo never leaves it out of step.
#include <limits>

#include "../objectmodel/HostImplementations.h"
#include "Query.h"
#include "host/document/IDocumentLayer.h"
#include "host/document/IGeometry.h"
#include "host/document/IHierarchy.h"
#include "host/document/ISpread.h"
#include "host/document/ISpreadLayer.h"
#include "host/document/ITransform.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"

namespace {
class Spread final : public CPMUnknown<ISpread> {
public:
    explicit Spread(IPMUnknown* boss) : CPMUnknown<ISpread>(boss) {}

    int32 GetNumPages() const override {
        InterfacePtr<IHierarchy> pages = PagesLayer();
        return pages ? pages->GetChildCount() : 0;
    }
    UID GetNthPageUID(int32 index) const override {
        InterfacePtr<IHierarchy> pages = PagesLayer();
        return pages ? pages->GetChildUID(index) : kInvalidUID;
    }
    int32 GetPageIndex(UID page) const override {
        InterfacePtr<IHierarchy> pages = PagesLayer();
        return pages ? pages->GetChildIndex(page) : -1;
    }
    UIDList GetPageUIDs() const override {
        UIDList list(DB());
        for (int32 i = 0; i < GetNumPages(); ++i)
            list.Append(GetNthPageUID(i));
        return list;
    }

    PMRect GetPagesBounds() const override {
        PMRect result(0, 0, -1, -1);
        for (int32 i = 0; i < GetNumPages(); ++i)
            result = result.Union(PageBoundsInSpread(GetNthPageUID(i)));
        return result.Width() < 0 ? PMRect() : result;
    }
    PMRect GetPasteboardBounds() const override {
        const PMRect pages = GetPagesBounds();
        return PMRect(pages.Left() - kPasteboardMargin, pages.Top() - kPasteboardMargin,
                      pages.Right() + kPasteboardMargin, pages.Bottom() + kPasteboardMargin);
    }

    UID GetPageUIDAtPoint(const PMPoint& pasteboardPoint) const override {
        InterfacePtr<ITransform> transform(this, IID_ITRANSFORM);
        PMPoint inner = pasteboardPoint;
        if (transform)
            transform->TransformPasteboardPointToInner(&inner);
        UID nearest = kInvalidUID;
        PMReal best = std::numeric_limits<PMReal>::max();
        for (int32 i = 0; i < GetNumPages(); ++i) {
            const PMRect bounds = PageBoundsInSpread(GetNthPageUID(i));
            if (bounds.Contains(inner))
                return GetNthPageUID(i);
            const PMPoint d = bounds.GetCenter() - inner;
            const PMReal distance = std::hypot(d.X(), d.Y());
            if (distance < best - kGeometryTolerance) {
                best = distance;
                nearest = GetNthPageUID(i);
            }
        }
        return nearest;
    }

    UID GetPagesLayerUID() const override {
        InterfacePtr<IHierarchy> hierarchy(this, IID_IHIERARCHY);
        return hierarchy ? hierarchy->GetChildUID(0) : kInvalidUID;
    }

    UID GetSpreadLayerUID(UID documentLayer, int32 kind) const override {
        InterfacePtr<IHierarchy> hierarchy(this, IID_IHIERARCHY);
        if (!hierarchy || documentLayer == kInvalidUID)
            return kInvalidUID;
        for (int32 i = 0; i < hierarchy->GetChildCount(); ++i) {
            InterfacePtr<ISpreadLayer> layer = Query::Get<ISpreadLayer>(DB(), hierarchy->GetChildUID(i));
            if (layer && layer->GetDocLayerUID() == documentLayer &&
                (layer->IsGuideLayer() != kFalse) == (kind == kGuideLayer))
                return hierarchy->GetChildUID(i);
        }
        return kInvalidUID;
    }
    ISpreadLayer* QueryLayer(const IDocumentLayer* documentLayer, int32 kind) const override {
        if (!documentLayer)
            return nullptr;
        return Query::Get<ISpreadLayer>(DB(), GetSpreadLayerUID(::GetUID(documentLayer), kind)).forget();
    }

    UIDList GetItemsOnSpread() const override {
        UIDList items(DB());
        InterfacePtr<IHierarchy> hierarchy(this, IID_IHIERARCHY);
        for (int32 i = 1; hierarchy && i < hierarchy->GetChildCount(); ++i) {
            InterfacePtr<IHierarchy> layer(hierarchy->QueryChild(i));
            for (int32 j = 0; layer && j < layer->GetChildCount(); ++j)
                if (InterfacePtr<IHierarchy> item{layer->QueryChild(j)})
                    item->GetDescendants(&items, kTrue);
        }
        return items;
    }

private:
    IDataBase* DB() const { return GetBoss()->GetDataBase(); }
    InterfacePtr<IHierarchy> PagesLayer() const { return Query::Get<IHierarchy>(DB(), GetPagesLayerUID()); }
    // A spread among a damaged file's pages has no bounds of its own here: its bounds are those of
    // its pages, which could lead back to this spread without end.
    PMRect PageBoundsInSpread(UID page) const {
        InterfacePtr<IGeometry> geometry = Query::Get<IGeometry>(DB(), page);
        InterfacePtr<ITransform> transform = Query::Get<ITransform>(DB(), page);
        if (!geometry || !transform || Query::Get<ISpread>(DB(), page))
            return PMRect(0, 0, -1, -1);
        return transform->GetInnerToParentMatrix().TransformRect(geometry->GetPathBoundingBox());
    }
};
} // namespace

ImplementationDeclaration MakeSpreadImplementation(ImplementationID id) {
    return IMPLEMENTATION(Spread, id, false);
}
