#include "host/graphics/PageRenderer.h"

#include <cmath>
#include <memory>

#include <cairo.h>

#include "../document/Query.h"
#include "host/document/DocumentManager.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/IPageList.h"
#include "host/graphics/CairoGraphicsPort.h"
#include "host/graphics/SpreadDrawer.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/selection/ISelectionManager.h"

namespace {
constexpr int32 kMaxPixels = 16384; // per side; larger asks are refused rather than exhausting memory

struct CairoDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};

// What the document's layout view has selected, whose handles the page shows.
UIDList SelectedItems(IDataBase* db) {
    InterfacePtr<IDocument> document = Query::Get<IDocument>(db, db->GetRootUID());
    InterfacePtr<ISelectionManager> selection(DocumentManager::Instance().GetLayoutView(document),
                                              IID_ISELECTIONMANAGER);
    return selection ? selection->GetSelectedPageItems() : UIDList(db);
}

PageRenderer::Result Failure(const std::string& message) {
    PageRenderer::Result result;
    result.error = kFailure;
    result.message = message;
    return result;
}
} // namespace

PageRenderer::Result PageRenderer::RenderPageToPNG(IDataBase* db, int32 pageIndex, PMReal scale,
                                                   const std::string& path, int32 flags) {
    InterfacePtr<IPageList> pages =
        db ? Query::Get<IPageList>(db, db->GetRootUID()) : InterfacePtr<IPageList>();
    if (!pages || pageIndex < 0 || pageIndex >= pages->GetPageCount())
        return Failure("The document has no page " + std::to_string(pageIndex + 1) + ".");
    if (!(scale > 0))
        return Failure("The scale must be greater than zero.");
    const UIDRef page(db, pages->GetNthPageUID(pageIndex));
    const PMRect bounds = Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(page);
    const PMReal width = std::ceil((bounds.Width() + 2 * kMargin) * scale);
    const PMReal height = std::ceil((bounds.Height() + 2 * kMargin) * scale);
    if (width > kMaxPixels || height > kMaxPixels)
        return Failure("The image would be larger than " + std::to_string(kMaxPixels) + " pixels on a side.");

    std::unique_ptr<cairo_surface_t, CairoDeleter> surface(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(width), static_cast<int>(height)));
    std::unique_ptr<cairo_t, CairoDeleter> context(cairo_create(surface.get()));
    cairo_set_source_rgb(context.get(), 1, 1, 1);
    cairo_paint(context.get());
    cairo_scale(context.get(), scale, scale);
    cairo_translate(context.get(), kMargin - bounds.Left(), kMargin - bounds.Top());

    InterfacePtr<IHierarchy> pageHierarchy = Query::Get<IHierarchy>(page);
    CairoGraphicsPort port(context.get());
    SpreadDrawer drawer(&port, flags);
    drawer.SetSelectedItems(SelectedItems(db));
    drawer.DrawSpread(UIDRef(db, pageHierarchy ? pageHierarchy->GetSpreadUID() : kInvalidUID));
    cairo_surface_flush(surface.get());
    if (cairo_surface_write_to_png(surface.get(), path.c_str()) != CAIRO_STATUS_SUCCESS)
        return Failure("The image cannot be written to " + path + ".");
    Result result;
    result.width = static_cast<int32>(width);
    result.height = static_cast<int32>(height);
    return result;
}
