// CellContent: a cell's table and place in it (stored on the cell); its text is the cell's own
// story thread.
#include "../document/Query.h"
#include "TextImplementations.h"
#include "host/database/IPMStream.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/ICellContent.h"
#include "host/text/ITableModel.h"
#include "host/text/ITextStoryThread.h"

namespace {
class CellContent final : public CPMUnknown<ICellContent> {
public:
    explicit CellContent(IPMUnknown* boss) : CPMUnknown<ICellContent>(boss) {}

    UID GetTableModelUID() const override { return fModel; }
    ITableModel* QueryTableModel() const override {
        IDataBase* db = GetBoss()->GetDataBase();
        return db && db->GetClass(fModel) == kTableModelBoss ? Query::Get<ITableModel>(db, fModel).forget()
                                                             : nullptr;
    }
    int32 GetRow() const override { return fRow; }
    int32 GetColumn() const override { return fColumn; }
    ITextStoryThread* QueryTextStoryThread() const override {
        return ObjectModel::CheckedCast<ITextStoryThread>(QueryInterface(IID_ITEXTSTORYTHREAD));
    }
    RangeData GetTextRange() const override {
        InterfacePtr<ITextStoryThread> thread(QueryTextStoryThread());
        return thread ? thread->GetTextRange() : RangeData();
    }
    void Set(UID tableModel, int32 row, int32 column) override {
        PreDirty();
        fModel = tableModel;
        fRow = row;
        fColumn = column;
    }
    void ReadWrite(IPMStream* stream, ImplementationID) override {
        stream->XferReference(fModel);
        stream->XferInt32(fRow);
        stream->XferInt32(fColumn);
    }

private:
    UID fModel = kInvalidUID;
    int32 fRow = 0;
    int32 fColumn = 0;
};
} // namespace

ImplementationDeclaration MakeCellContentImplementation(ImplementationID id) {
    return IMPLEMENTATION(CellContent, id, true);
}
