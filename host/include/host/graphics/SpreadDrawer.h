// SpreadDrawer: draws a spread as the layout view shows it: pasteboard, pages, each page's master
// items, then the spread layers in order with their page items. The port must be in pasteboard
// coordinates. Hidden layers are skipped, and so are non-printing layers when the flags say printing.
#pragma once

#include "host/database/UIDRef.h"
#include "host/util/BaseTypes.h"

class IGraphicsPort;

class SpreadDrawer {
public:
    SpreadDrawer(IGraphicsPort* port, int32 flags) : fPort(port), fFlags(flags) {}
    void DrawSpread(const UIDRef& spread);
    // Draws the items of one spread layer (and their children).
    void DrawLayerItems(const UIDRef& spreadLayer);

private:
    void DrawPasteboardAndPages(const UIDRef& spread);
    void DrawMasterItems(const UIDRef& page);
    bool IsLayerShown(IDataBase* db, UID spreadLayer) const;

    IGraphicsPort* fPort;
    int32 fFlags;
};
