// TextFrameShape: the shape of a multi-column item: the composed lines of each of its columns,
// drawn in the column's coordinates with their adornments, and the tables each column shows.
#include "../document/Query.h"
#include "../text/TextImplementations.h"
#include "TableDrawer.h"
#include "WaxLineDrawer.h"
#include "host/document/ITransform.h"
#include "host/graphics/GraphicsData.h"
#include "host/graphics/IGraphicsPort.h"
#include "host/graphics/IShape.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/IMultiColumnTextFrame.h"
#include "host/text/ITextParcelList.h"

namespace {
class TextFrameShape final : public CPMUnknown<IShape> {
public:
    explicit TextFrameShape(IPMUnknown* boss) : CPMUnknown<IShape>(boss) {}

    void Draw(GraphicsData* graphicsData, int32 flags) override {
        IGraphicsPort* port = graphicsData ? graphicsData->GetGraphicsPort() : nullptr;
        InterfacePtr<ITransform> transform(this, IID_ITRANSFORM);
        InterfacePtr<IMultiColumnTextFrame> frame(this, IID_IMULTICOLUMNTEXTFRAME);
        if (!port || !transform || !frame)
            return;
        port->gsave();
        port->concat(transform->GetInnerToParentMatrix());
        for (int32 n = 0; n < frame->GetColumnCount(); ++n)
            DrawColumn(graphicsData, *frame, n, flags);
        port->grestore();
    }

private:
    static void DrawColumn(GraphicsData* graphicsData, const IMultiColumnTextFrame& frame, int32 n,
                           int32 flags) {
        IDataBase* db = Boss::FromUnknown(&frame)->GetDataBase();
        const UIDRef story(db, frame.GetTextModelUID());
        InterfacePtr<ITextParcelList> parcels = Query::Get<ITextParcelList>(story);
        InterfacePtr<ITransform> transform = Query::Get<ITransform>(db, frame.GetNthColumnUID(n));
        if (!parcels || !transform)
            return;
        const TextComposition& composition = parcels->GetComposition();
        const int32 parcel = composition.FindParcel(static_cast<ParcelKey>(frame.GetNthColumnUID(n)));
        IGraphicsPort* port = graphicsData->GetGraphicsPort();
        port->gsave();
        port->concat(transform->GetInnerToParentMatrix());
        const WaxLineDrawer drawer(graphicsData, story, flags);
        for (int32 line = 0; line < composition.CountLines(parcel); ++line)
            drawer.DrawLine(composition.GetLine(parcel, line));
        TableDrawer(graphicsData, story, flags).DrawTablesIn(frame.GetNthColumnUID(n));
        port->grestore();
    }
};
} // namespace

ImplementationDeclaration MakeTextFrameShapeImplementation(ImplementationID id) {
    return IMPLEMENTATION(TextFrameShape, id, false);
}
