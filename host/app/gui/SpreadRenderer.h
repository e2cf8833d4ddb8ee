// SpreadRenderer: draws part of a document's pasteboard into an image with the host's own cairo
// drawing, as `pagehost render` does: each spread the part shows, the selected page items'
// handles and, over the text, the boxes of the view's text selection.
#pragma once

#include <QImage>

#include <vector>

#include "host/database/UIDRef.h"
#include "host/util/Geometry.h"

class IDocument;

class SpreadRenderer {
public:
    // A spread and its pasteboard's bounds in pasteboard coordinates.
    struct Place {
        UIDRef spread;
        PMRect pasteboard;
    };
    // The document's spreads in order.
    static std::vector<Place> PlacesOf(IDocument* document);
    // The pasteboard from topLeft on, at zoom pixels per point, in an image of the size.
    static QImage Render(IDocument* document, const std::vector<Place>& places, const PMPoint& topLeft,
                         PMReal zoom, const QSize& size);
};
