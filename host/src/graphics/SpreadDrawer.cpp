#include "host/graphics/SpreadDrawer.h"

#include "../document/Query.h"
#include "host/document/IDocumentLayer.h"
#include "host/document/IGeometry.h"
#include "host/document/IHierarchy.h"
#include "host/document/IMasterPage.h"
#include "host/document/ISpread.h"
#include "host/document/ISpreadLayer.h"
#include "host/document/ITransform.h"
#include "host/graphics/GraphicsData.h"
#include "host/graphics/IGraphicsPort.h"
#include "host/graphics/IHandleShape.h"
#include "host/graphics/IShape.h"

namespace {
constexpr PMReal kPasteboardGray = 0.9;

PMRect PageRectInSpread(IDataBase* db, UID page) {
    InterfacePtr<IGeometry> geometry = Query::Get<IGeometry>(db, page);
    InterfacePtr<ITransform> transform = Query::Get<ITransform>(db, page);
    if (!geometry || !transform)
        return PMRect();
    return transform->GetInnerToParentMatrix().TransformRect(geometry->GetPathBoundingBox());
}
} // namespace

void SpreadDrawer::DrawSpread(const UIDRef& spreadRef) {
    IDataBase* db = spreadRef.GetDataBase();
    InterfacePtr<ITransform> transform = Query::Get<ITransform>(spreadRef);
    InterfacePtr<IHierarchy> hierarchy = Query::Get<IHierarchy>(spreadRef);
    InterfacePtr<ISpread> spread = Query::Get<ISpread>(spreadRef);
    if (!transform || !hierarchy || !spread)
        return;
    fPort->gsave();
    fPort->concat(transform->GetInnerToParentMatrix());
    DrawPasteboardAndPages(spreadRef);
    for (int32 i = 0; i < spread->GetNumPages(); ++i)
        DrawMasterItems(UIDRef(db, spread->GetNthPageUID(i)));
    for (int32 i = 1; i < hierarchy->GetChildCount(); ++i)
        if (IsLayerShown(db, hierarchy->GetChildUID(i)))
            DrawLayerItems(UIDRef(db, hierarchy->GetChildUID(i)));
    fPort->grestore();
    DrawSelectionHandles(spreadRef);
}

void SpreadDrawer::DrawLayerItems(const UIDRef& spreadLayer) {
    InterfacePtr<IHierarchy> layer = Query::Get<IHierarchy>(spreadLayer);
    GraphicsData graphicsData(fPort, spreadLayer.GetDataBase());
    for (int32 i = 0; layer && i < layer->GetChildCount(); ++i)
        if (InterfacePtr<IShape> shape = Query::Get<IShape>(spreadLayer.GetDataBase(), layer->GetChildUID(i)))
            shape->Draw(&graphicsData, fFlags);
}

// Paper shows white on a gray pasteboard on screen; output has neither pasteboard nor page edges.
void SpreadDrawer::DrawPasteboardAndPages(const UIDRef& spreadRef) {
    if (fFlags & IShape::kPrinting)
        return;
    InterfacePtr<ISpread> spread = Query::Get<ISpread>(spreadRef);
    fPort->newpath();
    fPort->rectpath(spread->GetPasteboardBounds());
    fPort->setrgbcolor(kPasteboardGray, kPasteboardGray, kPasteboardGray);
    fPort->fill();
    for (int32 i = 0; i < spread->GetNumPages(); ++i) {
        const PMRect page = PageRectInSpread(spreadRef.GetDataBase(), spread->GetNthPageUID(i));
        fPort->newpath();
        fPort->rectpath(page);
        fPort->setrgbcolor(1, 1, 1);
        fPort->fill();
        fPort->newpath();
        fPort->rectpath(page);
        fPort->setrgbcolor(0, 0, 0);
        fPort->setlinewidth(0);
        fPort->stroke();
    }
}

// The master spread is mapped so that the page's master page lies on the page, and clipped to it.
void SpreadDrawer::DrawMasterItems(const UIDRef& page) {
    IDataBase* db = page.GetDataBase();
    InterfacePtr<IMasterPage> masterPage = Query::Get<IMasterPage>(page);
    const UID masterPageUID = masterPage ? masterPage->GetMasterPageUID() : kInvalidUID;
    InterfacePtr<ITransform> masterPageTransform = Query::Get<ITransform>(db, masterPageUID);
    InterfacePtr<ITransform> pageTransform = Query::Get<ITransform>(page);
    InterfacePtr<IHierarchy> master =
        Query::Get<IHierarchy>(db, masterPage ? masterPage->GetMasterSpreadUID() : kInvalidUID);
    if (!masterPageTransform || !pageTransform || !master)
        return;
    PMMatrix masterToSpread = masterPageTransform->GetInnerToParentMatrix();
    masterToSpread.Invert();
    masterToSpread.Concat(pageTransform->GetInnerToParentMatrix());
    fPort->gsave();
    fPort->newpath();
    fPort->rectpath(PageRectInSpread(db, page.GetUID()));
    fPort->clip();
    fPort->concat(masterToSpread);
    for (int32 i = 1; i < master->GetChildCount(); ++i)
        if (IsLayerShown(db, master->GetChildUID(i)))
            DrawLayerItems(UIDRef(db, master->GetChildUID(i)));
    fPort->grestore();
}

// Handles are drawn in pasteboard coordinates on top of everything, each item's in the colour of
// its layer, so the user sees which layer a selected item is on.
void SpreadDrawer::DrawSelectionHandles(const UIDRef& spread) {
    IDataBase* db = spread.GetDataBase();
    if ((fFlags & IShape::kDrawFlagsForOutput) || fSelected.GetDataBase() != db)
        return;
    GraphicsData graphicsData(fPort, db);
    for (UID item : fSelected.GetUIDs()) {
        InterfacePtr<IHierarchy> hierarchy = Query::Get<IHierarchy>(db, item);
        InterfacePtr<IHandleShape> handles = Query::Get<IHandleShape>(db, item);
        if (!hierarchy || !handles || hierarchy->GetSpreadUID() != spread.GetUID() ||
            !IsLayerShown(db, hierarchy->GetLayerUID()))
            continue;
        InterfacePtr<ISpreadLayer> layer = Query::Get<ISpreadLayer>(db, hierarchy->GetLayerUID());
        InterfacePtr<IDocumentLayer> documentLayer = Query::Get<IDocumentLayer>(db, layer->GetDocLayerUID());
        const RGBColor color = documentLayer->GetColor();
        fPort->gsave();
        fPort->setrgbcolor(color.red, color.green, color.blue);
        handles->Draw(&graphicsData, fFlags);
        fPort->grestore();
    }
}

bool SpreadDrawer::IsLayerShown(IDataBase* db, UID spreadLayer) const {
    InterfacePtr<ISpreadLayer> layer = Query::Get<ISpreadLayer>(db, spreadLayer);
    InterfacePtr<IDocumentLayer> documentLayer =
        Query::Get<IDocumentLayer>(db, layer ? layer->GetDocLayerUID() : kInvalidUID);
    if (!documentLayer)
        return false;
    const bool printing = (fFlags & IShape::kPrinting) != 0;
    if (layer->IsGuideLayer())
        return !printing && documentLayer->IsGuideVisible() && documentLayer->IsVisible();
    return documentLayer->IsVisible() && (!printing || documentLayer->IsPrintable());
}
