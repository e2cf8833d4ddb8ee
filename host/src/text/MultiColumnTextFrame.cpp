// MultiColumnTextFrame: the text side of a text frame. Its columns are its hierarchy children;
// their bounds follow the frame's path bounds, text inset, column count and gutter as they are
// now, so moving or resizing a frame reflows its text without any stored layout.
#include <algorithm>

#include "../document/Query.h"
#include "TextImplementations.h"
#include "host/database/IPMStream.h"
#include "host/document/IGeometry.h"
#include "host/document/IHierarchy.h"
#include "host/document/ITransform.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/IFrameList.h"
#include "host/text/IMultiColumnItemData.h"
#include "host/text/IMultiColumnTextFrame.h"
#include "host/text/ITextFrameColumn.h"
#include "host/text/ITextInset.h"
#include "host/text/ITextModel.h"
#include "host/text/ITextParcelList.h"

namespace {
class MultiColumnTextFrame final : public CPMUnknown<IMultiColumnTextFrame> {
public:
    explicit MultiColumnTextFrame(IPMUnknown* boss) : CPMUnknown<IMultiColumnTextFrame>(boss) {}

    UID GetTextModelUID() const override { return fStory; }
    ITextModel* QueryTextModel() const override { return Query::Get<ITextModel>(DB(), fStory).forget(); }
    UID GetFrameItemUID() const override { return Hierarchy() ? Hierarchy()->GetParentUID() : kInvalidUID; }

    int32 GetColumnCount() const override { return Hierarchy() ? Hierarchy()->GetChildCount() : 0; }
    UID GetNthColumnUID(int32 n) const override {
        return n >= 0 && n < GetColumnCount() ? Hierarchy()->GetChildUID(n) : kInvalidUID;
    }
    ITextFrameColumn* QueryFrameColumn(int32 n) const override {
        return Query::Get<ITextFrameColumn>(DB(), GetNthColumnUID(n)).forget();
    }
    PMRect GetColumnBounds(int32 n) const override;

    TextIndex TextStart() const override { return GetTextRange().Start(); }
    int32 TextSpan() const override { return GetTextRange().Length(); }
    RangeData GetTextRange() const override;
    bool16 IsOverset() const override;
    PMReal TextPositionAt(const PMPoint& pasteboardPoint) const override;

    void SetTextModelUID(UID story) override {
        PreDirty();
        fStory = story;
    }
    void ReadWrite(IPMStream* stream, ImplementationID) override { stream->XferReference(fStory); }

private:
    IDataBase* DB() const { return GetBoss()->GetDataBase(); }
    InterfacePtr<IHierarchy> Hierarchy() const { return InterfacePtr<IHierarchy>(this, IID_IHIERARCHY); }
    // The frame's path bounds less its inset, in the frame's (and this item's) inner coordinates.
    PMRect TextArea() const;

    UID fStory = kInvalidUID;
};

PMRect MultiColumnTextFrame::TextArea() const {
    InterfacePtr<IGeometry> frame = Query::Get<IGeometry>(DB(), GetFrameItemUID());
    if (!frame)
        return PMRect();
    const PMRect bounds = frame->GetPathBoundingBox();
    InterfacePtr<ITextInset> inset = Query::Get<ITextInset>(DB(), GetFrameItemUID());
    const PMRect in = inset ? inset->GetInset() : PMRect();
    // An inset larger than the frame leaves a text area of no size, never a reversed one.
    const PMReal left = std::min(bounds.Left() + in.Left(), bounds.Right());
    const PMReal top = std::min(bounds.Top() + in.Top(), bounds.Bottom());
    return PMRect(left, top, std::max(left, bounds.Right() - in.Right()),
                  std::max(top, bounds.Bottom() - in.Bottom()));
}

PMRect MultiColumnTextFrame::GetColumnBounds(int32 n) const {
    const int32 count = GetColumnCount();
    if (n < 0 || n >= count)
        return PMRect();
    InterfacePtr<IMultiColumnItemData> data(this, IID_IMULTICOLUMNITEMDATA);
    const PMReal gutter = count > 1 && data ? data->GetGutter() : 0.0;
    const PMRect area = TextArea();
    const PMReal width = std::max(0.0, (area.Width() - gutter * (count - 1)) / count);
    const PMReal left = std::min(area.Left() + n * (width + gutter), area.Right());
    return PMRect(left, area.Top(), left + width, area.Bottom());
}

RangeData MultiColumnTextFrame::GetTextRange() const {
    const int32 count = GetColumnCount();
    InterfacePtr<ITextFrameColumn> first(QueryFrameColumn(0));
    InterfacePtr<ITextFrameColumn> last(QueryFrameColumn(count - 1));
    if (!first || !last)
        return RangeData();
    return RangeData(first->TextStart(), last->TextStart() + last->TextSpan());
}

bool16 MultiColumnTextFrame::IsOverset() const {
    InterfacePtr<IFrameList> frames = Query::Get<IFrameList>(DB(), fStory);
    InterfacePtr<ITextParcelList> parcels = Query::Get<ITextParcelList>(DB(), fStory);
    if (!frames || !parcels || frames->GetFrameCount() == 0 || parcels->GetOversetStart() < 0)
        return kFalse;
    const UID lastColumn = frames->GetNthFrameUID(frames->GetFrameCount() - 1);
    return Hierarchy()->GetChildIndex(lastColumn) >= 0;
}

// A point this close outside a column still counts as in it, so that marks drawn on a column's edge
// (a proof's text selection rounds outwards) find its text.
constexpr PMReal kEdgeTolerance = 0.5;

PMReal MultiColumnTextFrame::TextPositionAt(const PMPoint& pasteboardPoint) const {
    for (int32 n = 0; n < GetColumnCount(); ++n) {
        InterfacePtr<ITransform> transform = Query::Get<ITransform>(DB(), GetNthColumnUID(n));
        InterfacePtr<IGeometry> geometry = Query::Get<IGeometry>(DB(), GetNthColumnUID(n));
        if (!transform || !geometry)
            continue;
        PMPoint inner = pasteboardPoint;
        transform->TransformPasteboardPointToInner(&inner);
        PMRect bounds = geometry->GetPathBoundingBox();
        bounds = PMRect(bounds.Left() - kEdgeTolerance, bounds.Top() - kEdgeTolerance,
                        bounds.Right() + kEdgeTolerance, bounds.Bottom() + kEdgeTolerance);
        if (bounds.Contains(inner))
            return InterfacePtr<ITextFrameColumn>(QueryFrameColumn(n))->TextPositionAt(pasteboardPoint);
    }
    return -1.0;
}
} // namespace

ImplementationDeclaration MakeMultiColumnTextFrameImplementation(ImplementationID id) {
    return IMPLEMENTATION(MultiColumnTextFrame, id, true);
}
