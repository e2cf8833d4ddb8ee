// TableThreadDict: a table's thread dictionary (on the table model, its owner): the cells'
// threads in row-major order.
#include "../document/Query.h"
#include "TextImplementations.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/ITableModel.h"
#include "host/text/ITextStoryThread.h"
#include "host/text/ITextStoryThreadDict.h"

namespace {
class TableThreadDict final : public CPMUnknown<ITextStoryThreadDict> {
public:
    explicit TableThreadDict(IPMUnknown* boss) : CPMUnknown<ITextStoryThreadDict>(boss) {}

    UID GetOwnerUID() const override { return GetBoss()->GetUID(); }
    int32 GetThreadCount() const override {
        InterfacePtr<ITableModel> model(this, IID_ITABLEMODEL);
        return model ? model->GetRowCount() * model->GetColumnCount() : 0;
    }
    ITextStoryThread* QueryThread(int32 n) const override {
        InterfacePtr<ITableModel> model(this, IID_ITABLEMODEL);
        const int32 columns = model ? model->GetColumnCount() : 0;
        if (n < 0 || n >= GetThreadCount() || columns == 0)
            return nullptr;
        return model->QueryCellThread(n / columns, n % columns);
    }
    ITextStoryThread* QueryThreadAt(TextIndex index) const override {
        for (int32 n = 0; n < GetThreadCount(); ++n) {
            InterfacePtr<ITextStoryThread> thread(QueryThread(n));
            if (thread && thread->GetTextRange().Contains(index))
                return thread.forget();
        }
        return nullptr;
    }
};
} // namespace

ImplementationDeclaration MakeTableThreadDictImplementation(ImplementationID id) {
    return IMPLEMENTATION(TableThreadDict, id, false);
}
