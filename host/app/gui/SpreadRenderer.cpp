#include "SpreadRenderer.h"

#include <cairo.h>

#include <memory>

#include "host/document/DocumentManager.h"
#include "host/document/ISpread.h"
#include "host/document/ISpreadList.h"
#include "host/document/ITransform.h"
#include "host/graphics/CairoGraphicsPort.h"
#include "host/graphics/IShape.h"
#include "host/graphics/SpreadDrawer.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/selection/ISelectionManager.h"
#include "host/text/IFrameUtils.h"

namespace {
struct CairoDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};

constexpr double kDeskGray = 0.55;

// The view's text selection over the spread, as translucent boxes (a caret as a thin bar).
void DrawTextSelection(cairo_t* context, ISelectionManager* selection, const UIDRef& spread, PMReal zoom) {
    UIDRef story;
    RangeData range;
    if (!selection || !selection->GetTextSelection(&story, &range))
        return;
    const std::vector<PMRect> boxes = Utils<IFrameUtils>()->GetTextRangeBoxes(spread, story.GetUID(), range);
    cairo_save(context);
    cairo_set_source_rgba(context, 0.2, 0.45, 1.0, range.IsEmpty() ? 0.9 : 0.35);
    for (const PMRect& box : boxes) {
        const PMReal width = box.Width() > 0 ? box.Width() : 1.5 / zoom;
        cairo_rectangle(context, box.Left(), box.Top(), width, box.Height());
    }
    cairo_fill(context);
    cairo_restore(context);
}
} // namespace

std::vector<SpreadRenderer::Place> SpreadRenderer::PlacesOf(IDocument* document) {
    std::vector<Place> places;
    InterfacePtr<ISpreadList> spreads(document, IID_ISPREADLIST);
    IDataBase* db = document ? document->GetDocumentDataBase() : nullptr;
    for (int32 i = 0; spreads && i < spreads->GetSpreadCount(); ++i) {
        const UIDRef ref(db, spreads->GetNthSpreadUID(i));
        InterfacePtr<ISpread> spread(ref, IID_ISPREAD);
        InterfacePtr<ITransform> transform(ref, IID_ITRANSFORM);
        if (!spread || !transform)
            continue;
        PMRect pasteboard = spread->GetPasteboardBounds();
        transform->TransformInnerRectToPasteboard(&pasteboard);
        places.push_back({ref, pasteboard});
    }
    return places;
}

QImage SpreadRenderer::Render(IDocument* document, const std::vector<Place>& places, const PMPoint& topLeft,
                              PMReal zoom, const QSize& size) {
    if (size.isEmpty())
        return QImage();
    std::unique_ptr<cairo_surface_t, CairoDeleter> surface(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size.width(), size.height()));
    std::unique_ptr<cairo_t, CairoDeleter> context(cairo_create(surface.get()));
    cairo_set_source_rgb(context.get(), kDeskGray, kDeskGray, kDeskGray);
    cairo_paint(context.get());
    cairo_scale(context.get(), zoom, zoom);
    cairo_translate(context.get(), -topLeft.X(), -topLeft.Y());
    const PMRect shown(topLeft.X(), topLeft.Y(), topLeft.X() + size.width() / zoom,
                       topLeft.Y() + size.height() / zoom);
    InterfacePtr<ISelectionManager> selection(
        document ? DocumentManager::Instance().GetLayoutView(document) : nullptr, IID_ISELECTIONMANAGER);
    CairoGraphicsPort port(context.get());
    for (const Place& place : places) {
        if (!place.pasteboard.Intersects(shown))
            continue;
        SpreadDrawer drawer(&port, IShape::kDrawNormal);
        if (selection)
            drawer.SetSelectedItems(selection->GetSelectedPageItems());
        drawer.DrawSpread(place.spread);
        DrawTextSelection(context.get(), selection, place.spread, zoom);
    }
    cairo_surface_flush(surface.get());
    const QImage image(cairo_image_surface_get_data(surface.get()), size.width(), size.height(),
                       cairo_image_surface_get_stride(surface.get()), QImage::Format_ARGB32_Premultiplied);
    return image.copy();
}
