// CellStoryThread: a table cell's story thread: the stretch of the story's text that the story's
// thread strand gives the cell, flowing through the cell's one parcel. Its key in the story's
// composition is the cell's UID.
#include "../document/Query.h"
#include "TextImplementations.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/ICellContent.h"
#include "host/text/IParcelList.h"
#include "host/text/ITableModel.h"
#include "host/text/ITextModel.h"
#include "host/text/ITextParcelList.h"
#include "host/text/ITextStoryThread.h"
#include "host/text/IThreadStrand.h"

namespace {
class CellStoryThread final : public CPMUnknown<ITextStoryThread> {
public:
    explicit CellStoryThread(IPMUnknown* boss) : CPMUnknown<ITextStoryThread>(boss) {}

    int32 GetThreadKey() const override { return static_cast<int32>(GetBoss()->GetUID()); }
    UID GetTextModelUID() const override {
        InterfacePtr<ICellContent> cell(this, IID_ICELLCONTENT);
        InterfacePtr<ITableModel> model(cell ? cell->QueryTableModel() : nullptr);
        return model ? model->GetTextModelUID() : kInvalidUID;
    }
    ITextModel* QueryTextModel() const override {
        return Query::Get<ITextModel>(DB(), GetTextModelUID()).forget();
    }
    TextIndex GetTextStart() const override { return GetTextRange().Start(); }
    TextIndex GetTextEnd() const override { return GetTextRange().End(); }
    // An empty range for a cell whose table is no longer in its story.
    RangeData GetTextRange() const override {
        InterfacePtr<IThreadStrand> threads = Query::Get<IThreadStrand>(DB(), GetTextModelUID());
        const int32 n = threads ? threads->FindThread(GetBoss()->GetUID()) : -1;
        return n > 0 ? threads->GetNthRange(n) : RangeData();
    }
    IParcelList* QueryParcelList() const override {
        return ObjectModel::CheckedCast<IParcelList>(QueryInterface(IID_IPARCELLIST));
    }
    ITextParcelList* QueryTextParcelList() const override {
        return ObjectModel::CheckedCast<ITextParcelList>(QueryInterface(IID_ITEXTPARCELLIST));
    }

private:
    IDataBase* DB() const { return GetBoss()->GetDataBase(); }
};
} // namespace

ImplementationDeclaration MakeCellStoryThreadImplementation(ImplementationID id) {
    return IMPLEMENTATION(CellStoryThread, id, false);
}
