// SpreadDrawer: draws a spread as the layout view shows it: pasteboard, pages, each page's master
// items, then the spread layers in order with their page items. The port must be in pasteboard
// coordinates. Hidden layers are skipped, and so are non-printing layers when the flags say printing.
// Last come the selection handles of the selected items on the spread (IHandleShape, in their
// layer's colour), unless the flags say printing or exporting.
#pragma once

#include "host/database/UIDList.h"
#include "host/database/UIDRef.h"
#include "host/util/BaseTypes.h"

class IGraphicsPort;

class SpreadDrawer {
public:
    SpreadDrawer(IGraphicsPort* port, int32 flags) : fPort(port), fFlags(flags) {}
    void DrawSpread(const UIDRef& spread);
    // The items whose handles the spread shows (a view's layout selection); none by default.
    void SetSelectedItems(const UIDList& items) { fSelected = items; }
    // Draws the items of one spread layer (and their children).
    void DrawLayerItems(const UIDRef& spreadLayer);

private:
    void DrawPasteboardAndPages(const UIDRef& spread);
    void DrawMasterItems(const UIDRef& page);
    bool IsLayerShown(IDataBase* db, UID spreadLayer) const;
    void DrawSelectionHandles(const UIDRef& spread);

    IGraphicsPort* fPort;
    int32 fFlags;
    UIDList fSelected;
};
