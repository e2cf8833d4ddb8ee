// TableFrame: where a table is composed. The story's primary composition gives the line of the
// table's anchor (a block line, as high as the table); the table's left top corner is that
// line's top at its parcel's left edge, and the column is the parcel's frame.
#include <algorithm>

#include "../document/Query.h"
#include "TextImplementations.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/IUIDData.h"
#include "host/text/ITableFrame.h"
#include "host/text/ITableModel.h"
#include "host/text/ITextParcelList.h"
#include "host/text/ITextStrand.h"

namespace {
struct Placement {
    bool placed = false;
    UID column = kInvalidUID;
    PMRect bounds;
    PMMatrix innerToPasteboard;
};

class TableFrame final : public CPMUnknown<ITableFrame> {
public:
    explicit TableFrame(IPMUnknown* boss) : CPMUnknown<ITableFrame>(boss) {}

    UID GetTableModelUID() const override {
        InterfacePtr<ITableModel> model(QueryTableModel());
        return model ? model->GetTableModelUID() : kInvalidUID;
    }
    ITableModel* QueryTableModel() const override {
        InterfacePtr<IUIDData> named(this, IID_IUIDDATA);
        IDataBase* db = GetBoss()->GetDataBase();
        const UID model = named ? named->GetUID() : kInvalidUID;
        return db && db->GetClass(model) == kTableModelBoss ? Query::Get<ITableModel>(db, model).forget()
                                                            : nullptr;
    }
    bool16 IsPlaced() const override { return Place().placed; }
    UID GetFrameColumnUID() const override { return Place().column; }
    PMRect GetBounds() const override { return Place().bounds; }
    PMMatrix GetInnerToPasteboardMatrix() const override { return Place().innerToPasteboard; }
    PMRect GetCellBounds(int32 row, int32 column) const override;
    UID FindCellAt(const PMPoint& pasteboardPoint) const override;

private:
    Placement Place() const;
};

Placement TableFrame::Place() const {
    InterfacePtr<ITableModel> model(QueryTableModel());
    const TextIndex anchor = model ? model->GetAnchorIndex() : -1;
    IDataBase* db = GetBoss()->GetDataBase();
    InterfacePtr<ITextStrand> text =
        Query::Get<ITextStrand>(db, model ? model->GetTextModelUID() : kInvalidUID);
    if (anchor < 0 || !text || text->GetChar(anchor) != kTextChar_Table)
        return Placement();
    InterfacePtr<ITextParcelList> parcels = Query::Get<ITextParcelList>(db, model->GetTextModelUID());
    if (!parcels)
        return Placement();
    const TextComposition& composition = parcels->GetComposition();
    const int32 n = composition.FindLineAt(anchor);
    if (n < 0 || composition.GetNthLine(n).GetTextRange().Start() != anchor)
        return Placement();
    const WaxLine& line = composition.GetNthLine(n);
    const Parcel& parcel = composition.GetParcel(line.GetParcelIndex());
    const PMReal left = parcel.bounds.Left();
    return Placement{true, static_cast<UID>(parcel.key),
                     PMRect(left, line.GetLineTop(), left + model->GetTotalWidth(),
                            line.GetLineTop() + model->GetTotalHeight()),
                     parcel.innerToPasteboard};
}

PMRect TableFrame::GetCellBounds(int32 row, int32 column) const {
    InterfacePtr<ITableModel> model(QueryTableModel());
    const Placement placement = Place();
    if (!placement.placed || row < 0 || row >= model->GetRowCount() || column < 0 ||
        column >= model->GetColumnCount())
        return PMRect();
    PMReal left = placement.bounds.Left();
    for (int32 c = 0; c < column; ++c)
        left += model->GetColumnWidth(c);
    PMReal top = placement.bounds.Top();
    for (int32 r = 0; r < row; ++r)
        top += model->GetRowHeight(r);
    return PMRect(left, top, left + model->GetColumnWidth(column), top + model->GetRowHeight(row));
}

UID TableFrame::FindCellAt(const PMPoint& pasteboardPoint) const {
    InterfacePtr<ITableModel> model(QueryTableModel());
    const Placement placement = Place();
    PMMatrix toInner = placement.innerToPasteboard;
    if (!placement.placed || !toInner.Invert())
        return kInvalidUID;
    const PMPoint inner = toInner.TransformPoint(pasteboardPoint);
    if (!placement.bounds.Contains(inner))
        return kInvalidUID;
    // The last column (row) that starts at or before the point; edges belong to the later cell.
    int32 column = 0;
    for (PMReal x = placement.bounds.Left(); column + 1 < model->GetColumnCount(); ++column) {
        x += model->GetColumnWidth(column);
        if (inner.X() < x)
            break;
    }
    int32 row = 0;
    for (PMReal y = placement.bounds.Top(); row + 1 < model->GetRowCount(); ++row) {
        y += model->GetRowHeight(row);
        if (inner.Y() < y)
            break;
    }
    return model->GetCellUID(row, column);
}
} // namespace

ImplementationDeclaration MakeTableFrameImplementation(ImplementationID id) {
    return IMPLEMENTATION(TableFrame, id, false);
}
