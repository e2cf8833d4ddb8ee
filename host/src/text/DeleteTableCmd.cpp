// DeleteTableCmd: deletes a table (item list: its anchor, table frame or table model): the cells'
// text with its owned items' hooks, the cells' threads, and the table's objects. The table's
// 0x16 character stays: the text deletion that asks for this command (the anchor's delete
// request) removes it.
#include "../document/Query.h"
#include "OwnedItemCarrier.h"
#include "StoryStrands.h"
#include "TextImplementations.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/IItemStrand.h"
#include "host/text/ITableModel.h"
#include "host/text/ITextModel.h"
#include "host/text/IThreadStrand.h"
#include "host/text/IWaxStrand.h"

namespace {
class DeleteTableCmd final : public Command {
public:
    explicit DeleteTableCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        IDataBase* db = fItemList.GetDataBase();
        InterfacePtr<ITableModel> table =
            Query::Get<ITableModel>(db, db && fItemList.Length() == 1 ? fItemList.At(0) : kInvalidUID);
        const UID model = table ? table->GetTableModelUID() : kInvalidUID;
        if (model == kInvalidUID) {
            ErrorUtils::PMSetGlobalErrorCode(kInvalidParameterError);
            return;
        }
        const UID story = table->GetTextModelUID();
        std::vector<UID> doomed;
        for (int32 row = 0; row < table->GetRowCount(); ++row)
            for (int32 column = 0; column < table->GetColumnCount(); ++column)
                doomed.push_back(table->GetCellUID(row, column));
        RemoveCellText(db, story, doomed);
        if (InterfacePtr<IItemStrand> items = Query::Get<IItemStrand>(db, story))
            items->RemoveOwnedItem(table->GetAnchorUID());
        doomed.insert(doomed.end(), {table->GetTableFrameUID(), table->GetAnchorUID(), model});
        table.reset();
        for (UID uid : doomed)
            if (uid != kInvalidUID && db->IsValidUID(uid))
                db->DeleteUID(uid);
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
    PMString* CreateName() override { return new PMString("Delete Table"); }

private:
    // Each cell's text goes with its thread, the owned items in it told first.
    static void RemoveCellText(IDataBase* db, UID story, const std::vector<UID>& cells) {
        InterfacePtr<ITextModel> model = Query::Get<ITextModel>(db, story);
        InterfacePtr<IThreadStrand> threads = Query::Get<IThreadStrand>(db, story);
        InterfacePtr<IWaxStrand> wax = Query::Get<IWaxStrand>(db, story);
        if (!model || !threads)
            return;
        for (UID cell : cells) {
            if (threads->FindThread(cell) <= 0)
                continue;
            OwnedItemCarrier(model).BeforeRemoval(threads->GetNthRange(threads->FindThread(cell)));
            const int32 n = threads->FindThread(cell); // the hooks may have edited the text
            if (n <= 0)
                continue;
            const RangeData range = threads->GetNthRange(n);
            threads->RemoveThreads(n, 1);
            StoryStrands::Remove(model, range.Start(), range.Length());
            if (wax)
                wax->Invalidate(static_cast<int32>(cell));
        }
    }
};
} // namespace

ImplementationDeclaration MakeDeleteTableCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(DeleteTableCmd, id, false);
}
