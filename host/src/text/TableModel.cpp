// TableModel: a table's data, stored on the table model: its story, anchor and table frame, the
// column widths and row heights, and its cells in row-major order. Damaged stored data reads as
// sizes within limits and a cell list the row and column counts cannot overrun.
#include <algorithm>
#include <cmath>
#include <numeric>

#include "../document/Query.h"
#include "TextImplementations.h"
#include "host/database/IPMStream.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/ICellContent.h"
#include "host/text/IItemStrand.h"
#include "host/text/ITableFrame.h"
#include "host/text/ITableModel.h"
#include "host/text/ITextModel.h"
#include "host/text/ITextStoryThread.h"
#include "host/text/ITextStoryThreadDict.h"
#include "host/text/IThreadStrand.h"

namespace {
PMReal CheckedSize(PMReal size) {
    return std::isfinite(size) ? std::clamp(size, 0.0, ITableModel::kMaxSize) : 0.0;
}

void XferSizes(IPMStream* stream, std::vector<PMReal>& sizes, int32 limit) {
    int32 count = static_cast<int32>(sizes.size());
    stream->XferInt32(count);
    if (stream->IsReading())
        sizes.assign(static_cast<size_t>(stream->IsGood() && count >= 0 && count <= limit ? count : 0), 0.0);
    for (PMReal& size : sizes) {
        stream->XferReal(size);
        size = CheckedSize(size);
    }
}

class TableModel final : public CPMUnknown<ITableModel> {
public:
    explicit TableModel(IPMUnknown* boss) : CPMUnknown<ITableModel>(boss) {}

    UID GetTableModelUID() const override { return GetBoss()->GetUID(); }
    UID GetTextModelUID() const override { return fStory; }
    ITextModel* QueryTextModel() const override { return Query::Get<ITextModel>(DB(), fStory).forget(); }
    UID GetAnchorUID() const override { return fAnchor; }
    TextIndex GetAnchorIndex() const override {
        InterfacePtr<IItemStrand> items = Query::Get<IItemStrand>(DB(), fStory);
        return items ? items->GetOwnedItemIndex(fAnchor) : -1;
    }
    UID GetTableFrameUID() const override { return fFrame; }
    ITableFrame* QueryTableFrame() const override { return Query::Get<ITableFrame>(DB(), fFrame).forget(); }

    int32 GetRowCount() const override { return static_cast<int32>(fRowHeights.size()); }
    int32 GetColumnCount() const override { return static_cast<int32>(fColumnWidths.size()); }
    PMReal GetColumnWidth(int32 column) const override { return At(fColumnWidths, column); }
    PMReal GetRowHeight(int32 row) const override { return At(fRowHeights, row); }
    PMReal GetTotalWidth() const override {
        return std::accumulate(fColumnWidths.begin(), fColumnWidths.end(), 0.0);
    }
    PMReal GetTotalHeight() const override {
        return std::accumulate(fRowHeights.begin(), fRowHeights.end(), 0.0);
    }

    UID GetCellUID(int32 row, int32 column) const override {
        if (row < 0 || row >= GetRowCount() || column < 0 || column >= GetColumnCount())
            return kInvalidUID;
        const size_t n = static_cast<size_t>(row) * fColumnWidths.size() + static_cast<size_t>(column);
        return n < fCells.size() ? fCells[n] : kInvalidUID;
    }
    ICellContent* QueryCellContent(int32 row, int32 column) const override {
        return Query::Get<ICellContent>(DB(), GetCellUID(row, column)).forget();
    }
    ITextStoryThread* QueryCellThread(int32 row, int32 column) const override {
        return Query::Get<ITextStoryThread>(DB(), GetCellUID(row, column)).forget();
    }
    ITextStoryThreadDict* QueryThreadDict() const override {
        return ObjectModel::CheckedCast<ITextStoryThreadDict>(QueryInterface(IID_ITEXTSTORYTHREADDICT));
    }
    RangeData GetCellsTextRange() const override;

    void SetLayout(const Layout& layout) override {
        PreDirty();
        fStory = layout.story;
        fAnchor = layout.anchor;
        fFrame = layout.frame;
        fColumnWidths = layout.columnWidths;
        fRowHeights = layout.rowHeights;
        fCells = layout.cells;
    }

    void ReadWrite(IPMStream* stream, ImplementationID) override {
        stream->XferReference(fStory);
        stream->XferReference(fAnchor);
        stream->XferReference(fFrame);
        XferSizes(stream, fColumnWidths, kMaxColumns);
        XferSizes(stream, fRowHeights, kMaxRows);
        int32 count = static_cast<int32>(fCells.size());
        stream->XferInt32(count);
        if (stream->IsReading())
            fCells.assign(
                static_cast<size_t>(stream->IsGood() && count >= 0 && count <= kMaxCells ? count : 0),
                kInvalidUID);
        for (UID& cell : fCells)
            stream->XferReference(cell);
    }

private:
    IDataBase* DB() const { return GetBoss()->GetDataBase(); }
    static PMReal At(const std::vector<PMReal>& sizes, int32 n) {
        return n >= 0 && n < static_cast<int32>(sizes.size()) ? sizes[static_cast<size_t>(n)] : 0.0;
    }

    UID fStory = kInvalidUID;
    UID fAnchor = kInvalidUID;
    UID fFrame = kInvalidUID;
    std::vector<PMReal> fColumnWidths;
    std::vector<PMReal> fRowHeights;
    std::vector<UID> fCells;
};

RangeData TableModel::GetCellsTextRange() const {
    InterfacePtr<IThreadStrand> threads = Query::Get<IThreadStrand>(DB(), fStory);
    if (!threads || fCells.empty())
        return RangeData();
    const int32 first = threads->FindThread(fCells.front());
    const int32 last = threads->FindThread(fCells.back());
    if (first <= 0 || last < first)
        return RangeData();
    return RangeData(threads->GetNthRange(first).Start(), threads->GetNthRange(last).End());
}
} // namespace

ImplementationDeclaration MakeTableModelImplementation(ImplementationID id) {
    return IMPLEMENTATION(TableModel, id, true);
}
