// NewTableCmd: anchors a new table in a story's primary text (see INewTableCmdData): the 0x16
// character, the anchor, table model, table frame and cells, and the cells' text and threads.
#include <cmath>

#include "../document/Query.h"
#include "StoryStrands.h"
#include "TextImplementations.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/IUIDData.h"
#include "host/text/IAttributeStrand.h"
#include "host/text/ICellContent.h"
#include "host/text/IItemStrand.h"
#include "host/text/INewTableCmdData.h"
#include "host/text/ITableModel.h"
#include "host/text/ITextModel.h"
#include "host/text/IThreadStrand.h"

namespace {
bool SizesFit(const std::vector<PMReal>& sizes, int32 limit) {
    if (sizes.empty() || static_cast<int64>(sizes.size()) > limit)
        return false;
    for (PMReal size : sizes)
        if (!std::isfinite(size) || size <= 0 || size > ITableModel::kMaxSize)
            return false;
    return true;
}

class NewTableCmd final : public Command {
public:
    explicit NewTableCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        const UID table = MakeTable();
        if (table == kInvalidUID) {
            ErrorUtils::PMSetGlobalErrorCode(kInvalidParameterError);
            return;
        }
        fItemList = UIDList(UIDRef(fItemList.GetDataBase(), table));
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
    PMString* CreateName() override { return new PMString("New Table"); }

private:
    bool Fits(const INewTableCmdData& data) const;
    // The thread before which the new table's cells go: after those of the tables anchored
    // before position.
    static int32 CellsGoBefore(IDataBase* db, const IThreadStrand& threads, TextIndex position);
    UID MakeTable();
};

bool NewTableCmd::Fits(const INewTableCmdData& data) const {
    const size_t cells = data.GetColumnWidths().size() * data.GetRowHeights().size();
    return SizesFit(data.GetColumnWidths(), ITableModel::kMaxColumns) &&
           SizesFit(data.GetRowHeights(), ITableModel::kMaxRows) && cells <= ITableModel::kMaxCells &&
           (data.GetCellTexts().empty() || data.GetCellTexts().size() == cells);
}

int32 NewTableCmd::CellsGoBefore(IDataBase* db, const IThreadStrand& threads, TextIndex position) {
    int32 before = 1;
    for (int32 n = 1; n < threads.CountThreads(); ++n) {
        InterfacePtr<ICellContent> cell = Query::Get<ICellContent>(db, threads.GetNthHolder(n));
        InterfacePtr<ITableModel> table(cell ? cell->QueryTableModel() : nullptr);
        if (table && table->GetAnchorIndex() >= 0 && table->GetAnchorIndex() < position)
            before = n + 1;
    }
    return before;
}

UID NewTableCmd::MakeTable() {
    IDataBase* db = fItemList.GetDataBase();
    InterfacePtr<INewTableCmdData> data(this, IID_INEWTABLECMDDATA);
    const UID story = db && fItemList.Length() == 1 ? fItemList.At(0) : kInvalidUID;
    InterfacePtr<ITextModel> model = Query::Get<ITextModel>(db, story);
    InterfacePtr<IThreadStrand> threads = Query::Get<IThreadStrand>(db, story);
    InterfacePtr<IItemStrand> items = Query::Get<IItemStrand>(db, story);
    InterfacePtr<IAttributeStrand> attributes = Query::Get<IAttributeStrand>(db, story);
    if (!data || !model || !threads || !items || !attributes || !Fits(*data))
        return kInvalidUID;
    const TextIndex position = data->GetPosition();
    if (position < 0 || position >= threads->GetNthRange(0).End())
        return kInvalidUID;

    const int32 before = CellsGoBefore(db, *threads, position);
    if (model->Insert(position, WideString(std::u16string(1, kTextChar_Table))) != kSuccess)
        return kInvalidUID;
    const UID table = db->NewUID(kTableModelBoss);
    const UID anchor = db->NewUID(kTableAnchorBoss);
    const UID frame = db->NewUID(kTableFrameBoss);
    ITableModel::Layout layout{story, anchor, frame, data->GetColumnWidths(), data->GetRowHeights(), {}};
    const int32 columns = static_cast<int32>(layout.columnWidths.size());
    const int32 rows = static_cast<int32>(layout.rowHeights.size());
    std::u16string text;
    std::vector<IThreadStrand::Thread> cellThreads;
    for (int32 n = 0; n < rows * columns; ++n) {
        const UID cell = db->NewUID(kTableCellBoss);
        Query::Get<ICellContent>(db, cell)->Set(table, n / columns, n % columns);
        const std::u16string cellText =
            (data->GetCellTexts().empty() ? std::u16string()
                                          : data->GetCellTexts()[static_cast<size_t>(n)].GetUTF16()) +
            kTextChar_CR;
        text += cellText;
        cellThreads.push_back(IThreadStrand::Thread{cell, static_cast<int32>(cellText.size())});
        layout.cells.push_back(cell);
    }
    Query::Get<ITableModel>(db, table)->SetLayout(layout);
    Query::Get<IUIDData>(db, anchor)->Set(UIDRef(db, table));
    Query::Get<IUIDData>(db, frame)->Set(UIDRef(db, table));
    items->SetOwnedItem(position, anchor, kTableAnchorBoss);

    // The cells' text takes the attributes of the table's character.
    const TextIndex at = threads->GetNthRange(before - 1).End();
    StoryStrands::Insert(
        model, at, text,
        {AttributeRun{static_cast<int32>(text.size()), attributes->GetAttributes(position)}});
    threads->InsertThreads(before, cellThreads);
    return table;
}
} // namespace

ImplementationDeclaration MakeNewTableCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(NewTableCmd, id, false);
}
