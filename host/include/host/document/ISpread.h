// ISpread: a spread's pages side by side, and its spread layers. The spread's first child is
// its pages layer; then come, per document layer, a content and a guide spread layer.
#pragma once

#include "host/database/UIDList.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/Geometry.h"

class IDocumentLayer;
class ISpreadLayer;

class ISpread : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ISPREAD };
    // Which of a document layer's two spread layers is meant.
    enum LayerKind { kGuideLayer = 0, kContentLayer = 1 };

    virtual int32 GetNumPages() const = 0;
    virtual UID GetNthPageUID(int32 index) const = 0;
    // Index of a page of this spread, or -1.
    virtual int32 GetPageIndex(UID page) const = 0;
    virtual UIDList GetPageUIDs() const = 0;
    // The union of the pages' bounds in the spread's inner coordinates.
    virtual PMRect GetPagesBounds() const = 0;
    // The pages' bounds grown by the pasteboard margin, inner coordinates.
    virtual PMRect GetPasteboardBounds() const = 0;
    // The page whose pasteboard bounds contain the point, else the nearest page by centre; kInvalidUID
    // for a spread without pages.
    virtual UID GetPageUIDAtPoint(const PMPoint& pasteboardPoint) const = 0;

    // The layer holding the pages (first child).
    virtual UID GetPagesLayerUID() const = 0;
    // This spread's spread layer of a document layer, or kInvalidUID.
    virtual UID GetSpreadLayerUID(UID documentLayer, int32 kind = kContentLayer) const = 0;
    virtual ISpreadLayer* QueryLayer(const IDocumentLayer* documentLayer,
                                     int32 kind = kContentLayer) const = 0;
    // Every page item on the spread's content layers, depth first in drawing order.
    virtual UIDList GetItemsOnSpread() const = 0;

    static constexpr PMReal kPasteboardMargin = 72.0;
};
