// FrameUtils: finds text frames through the spread hierarchy and asks their columns for the
// text under a point; the frontmost frame wins where frames overlap.
#include <algorithm>

#include "../document/Query.h"
#include "TextImplementations.h"
#include "host/document/IGeometry.h"
#include "host/document/IHierarchy.h"
#include "host/document/ISpread.h"
#include "host/document/ITransform.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/IFrameUtils.h"
#include "host/text/IGraphicFrameData.h"
#include "host/text/IMultiColumnTextFrame.h"
#include "host/text/ITextFrameColumn.h"
#include "host/text/ITextParcelList.h"
#include "host/text/ITextStoryThread.h"

namespace {
IDataBase* DataBaseOf(const IPMUnknown* object) {
    return object ? Boss::FromUnknown(object)->GetDataBase() : nullptr;
}

// Whether the column's bounds hold a pasteboard point.
bool ColumnHolds(IDataBase* db, UID column, const PMPoint& pasteboardPoint) {
    InterfacePtr<ITransform> transform = Query::Get<ITransform>(db, column);
    InterfacePtr<IGeometry> geometry = Query::Get<IGeometry>(db, column);
    if (!transform || !geometry)
        return false;
    PMPoint inner = pasteboardPoint;
    transform->TransformPasteboardPointToInner(&inner);
    return geometry->GetPathBoundingBox().Contains(inner);
}

// The left and right edges, in the line's coordinates, of the line's characters in [start, end);
// an empty range gives the edge before start. False when the line shows none of them.
bool LineSpan(const WaxLine& line, TextIndex start, TextIndex end, PMReal* left, PMReal* right) {
    bool found = false;
    for (const WaxRun& run : line.GetRuns()) {
        PMReal x = run.GetX();
        for (int32 n = 0; n < run.CountClusters(); ++n) {
            const TextIndex index = run.GetTextRange().Start() + run.GetClusterOffset(n);
            const PMReal width = run.GetClusterWidth(n);
            const bool inside = start == end ? index == start : index >= start && index < end;
            if (inside) {
                *left = found ? std::min(*left, x) : x;
                *right = found ? std::max(*right, x + width) : (start == end ? x : x + width);
                found = true;
            }
            x += width;
        }
    }
    return found;
}

class FrameUtils final : public CPMUnknown<IFrameUtils> {
public:
    explicit FrameUtils(IPMUnknown* boss) : CPMUnknown<IFrameUtils>(boss) {}

    IMultiColumnTextFrame* QueryMultiColumnTextFrame(const IPMUnknown* item) const override;
    UIDList GetTextFrames(const UIDRef& spread) const override;
    TextHit FindTextAtPoint(const UIDRef& spread, const PMPoint& pasteboardPoint) const override;
    PMReal TextPositionAtPoint(const ITextStoryThread* thread, ParcelKey key,
                               const PMPoint& pasteboardPoint) const override {
        InterfacePtr<ITextParcelList> parcels(thread ? thread->QueryTextParcelList() : nullptr);
        return parcels ? parcels->TextPositionAt(key, pasteboardPoint) : -1.0;
    }
    std::vector<PMRect> GetTextRangeBoxes(const UIDRef& spread, UID story,
                                          const RangeData& range) const override;

private:
    static void AddColumnBoxes(IDataBase* db, UID column, const TextComposition& composition,
                               const RangeData& range, std::vector<PMRect>* boxes);
};

IMultiColumnTextFrame* FrameUtils::QueryMultiColumnTextFrame(const IPMUnknown* item) const {
    if (!item)
        return nullptr;
    if (InterfacePtr<IMultiColumnTextFrame> frame{item, IID_IMULTICOLUMNTEXTFRAME})
        return frame.forget();
    if (InterfacePtr<ITextFrameColumn> column{item, IID_ITEXTFRAMECOLUMN})
        return column->QueryMultiColumnTextFrame();
    InterfacePtr<IGraphicFrameData> content(item, IID_IGRAPHICFRAMEDATA);
    return content
               ? Query::Get<IMultiColumnTextFrame>(DataBaseOf(item), content->GetTextContentUID()).forget()
               : nullptr;
}

UIDList FrameUtils::GetTextFrames(const UIDRef& spreadRef) const {
    IDataBase* db = spreadRef.GetDataBase();
    UIDList frames(db);
    InterfacePtr<ISpread> spread = Query::Get<ISpread>(spreadRef);
    if (!spread)
        return frames;
    const UIDList items = spread->GetItemsOnSpread();
    for (int32 i = 0; i < items.Length(); ++i)
        if (db->GetClass(items.At(i)) == kMultiColumnItemBoss)
            frames.Append(items.At(i));
    return frames;
}

IFrameUtils::TextHit FrameUtils::FindTextAtPoint(const UIDRef& spread, const PMPoint& pasteboardPoint) const {
    IDataBase* db = spread.GetDataBase();
    const UIDList frames = GetTextFrames(spread);
    for (int32 i = frames.Length() - 1; i >= 0; --i) {
        InterfacePtr<IMultiColumnTextFrame> frame = Query::Get<IMultiColumnTextFrame>(db, frames.At(i));
        for (int32 n = 0; frame && n < frame->GetColumnCount(); ++n) {
            if (!ColumnHolds(db, frame->GetNthColumnUID(n), pasteboardPoint))
                continue;
            InterfacePtr<ITextFrameColumn> column(frame->QueryFrameColumn(n));
            return TextHit{frame->GetTextModelUID(), frame->GetNthColumnUID(n),
                           column->TextPositionAt(pasteboardPoint)};
        }
    }
    return TextHit();
}
std::vector<PMRect> FrameUtils::GetTextRangeBoxes(const UIDRef& spread, UID story,
                                                  const RangeData& range) const {
    std::vector<PMRect> boxes;
    IDataBase* db = spread.GetDataBase();
    InterfacePtr<ITextParcelList> parcels = Query::Get<ITextParcelList>(db, story);
    if (!parcels)
        return boxes;
    const TextComposition& composition = parcels->GetComposition();
    const UIDList frames = GetTextFrames(spread);
    for (int32 i = 0; i < frames.Length(); ++i) {
        InterfacePtr<IMultiColumnTextFrame> frame = Query::Get<IMultiColumnTextFrame>(db, frames.At(i));
        for (int32 n = 0; frame && frame->GetTextModelUID() == story && n < frame->GetColumnCount(); ++n)
            AddColumnBoxes(db, frame->GetNthColumnUID(n), composition, range, &boxes);
    }
    return boxes;
}

void FrameUtils::AddColumnBoxes(IDataBase* db, UID column, const TextComposition& composition,
                                const RangeData& range, std::vector<PMRect>* boxes) {
    InterfacePtr<ITransform> transform = Query::Get<ITransform>(db, column);
    const int32 parcel = composition.FindParcel(static_cast<ParcelKey>(column));
    if (!transform || parcel < 0)
        return;
    const PMMatrix toPasteboard = transform->InnerToPasteboardMatrix();
    for (int32 n = 0; n < composition.CountLines(parcel); ++n) {
        const WaxLine& line = composition.GetLine(parcel, n);
        PMReal left = 0.0;
        PMReal right = 0.0;
        if (!LineSpan(line, range.Start(), range.End(), &left, &right))
            continue;
        const PMRect box(left, line.GetLineTop(), right, line.GetLineTop() + line.GetLineHeight());
        boxes->push_back(toPasteboard.TransformRect(box));
    }
}
} // namespace

ImplementationDeclaration MakeFrameUtilsImplementation(ImplementationID id) {
    return IMPLEMENTATION(FrameUtils, id, false);
}
