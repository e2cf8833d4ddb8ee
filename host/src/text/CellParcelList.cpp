// CellParcelList: a cell's one parcel, keyed by the cell's UID: the cell's rectangle in the
// frame column that shows its table; the composer gets the rectangle less the cell inset.
#include <algorithm>

#include "../document/Query.h"
#include "TextImplementations.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/ICellContent.h"
#include "host/text/IParcelList.h"
#include "host/text/ITableFrame.h"
#include "host/text/ITableModel.h"

namespace {
class CellParcelList final : public CPMUnknown<IParcelList> {
public:
    explicit CellParcelList(IPMUnknown* boss) : CPMUnknown<IParcelList>(boss) {}

    int32 GetParcelCount() const override { return 1; }
    ParcelKey GetNthParcelKey(int32 n) const override { return n == 0 ? Key() : kInvalidParcelKey; }
    int32 GetParcelIndex(ParcelKey key) const override { return key == Key() ? 0 : -1; }
    UID GetParcelFrameUID(ParcelKey key) const override {
        InterfacePtr<ITableFrame> frame = Frame();
        return key == Key() && frame ? frame->GetFrameColumnUID() : kInvalidUID;
    }
    PMRect GetParcelBounds(ParcelKey key) const override {
        InterfacePtr<ITableFrame> frame = Frame();
        InterfacePtr<ICellContent> cell(this, IID_ICELLCONTENT);
        return key == Key() && frame && cell ? frame->GetCellBounds(cell->GetRow(), cell->GetColumn())
                                             : PMRect();
    }
    PMMatrix GetParcelToPasteboardMatrix(ParcelKey key) const override {
        InterfacePtr<ITableFrame> frame = Frame();
        return key == Key() && frame ? frame->GetInnerToPasteboardMatrix() : PMMatrix();
    }
    std::vector<Parcel> GetParcels() const override;

private:
    ParcelKey Key() const { return static_cast<ParcelKey>(GetBoss()->GetUID()); }
    InterfacePtr<ITableFrame> Frame() const {
        InterfacePtr<ICellContent> cell(this, IID_ICELLCONTENT);
        InterfacePtr<ITableModel> model(cell ? cell->QueryTableModel() : nullptr);
        return InterfacePtr<ITableFrame>(model ? model->QueryTableFrame() : nullptr);
    }
};

std::vector<Parcel> CellParcelList::GetParcels() const {
    InterfacePtr<ITableFrame> frame = Frame();
    InterfacePtr<ICellContent> cell(this, IID_ICELLCONTENT);
    if (!frame || !cell)
        return {};
    const PMRect bounds = frame->GetCellBounds(cell->GetRow(), cell->GetColumn());
    if (bounds.IsEmpty())
        return {}; // the table is not placed
    // An inset larger than the cell leaves a text area of no size, never a reversed one.
    const PMReal inset = ICellContent::kCellInset;
    const PMReal left = std::min(bounds.Left() + inset, bounds.Right());
    const PMReal top = std::min(bounds.Top() + inset, bounds.Bottom());
    const PMRect area(left, top, std::max(left, bounds.Right() - inset),
                      std::max(top, bounds.Bottom() - inset));
    return {Parcel{Key(), area, frame->GetInnerToPasteboardMatrix()}};
}
} // namespace

ImplementationDeclaration MakeCellParcelListImplementation(ImplementationID id) {
    return IMPLEMENTATION(CellParcelList, id, false);
}
