// TableModelRef: ITableModel on a table's anchor and table frame: every question goes to the
// table model their IUIDData names (only an object of class kTableModelBoss is asked).
#include <type_traits>

#include "../document/Query.h"
#include "TextImplementations.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/IUIDData.h"
#include "host/text/ITableModel.h"

namespace {
class TableModelRef final : public CPMUnknown<ITableModel> {
public:
    explicit TableModelRef(IPMUnknown* boss) : CPMUnknown<ITableModel>(boss) {}

    UID GetTableModelUID() const override { return Ask(&ITableModel::GetTableModelUID, kInvalidUID); }
    UID GetTextModelUID() const override { return Ask(&ITableModel::GetTextModelUID, kInvalidUID); }
    ITextModel* QueryTextModel() const override { return Ask(&ITableModel::QueryTextModel, nullptr); }
    UID GetAnchorUID() const override { return Ask(&ITableModel::GetAnchorUID, kInvalidUID); }
    TextIndex GetAnchorIndex() const override { return Ask(&ITableModel::GetAnchorIndex, -1); }
    UID GetTableFrameUID() const override { return Ask(&ITableModel::GetTableFrameUID, kInvalidUID); }
    ITableFrame* QueryTableFrame() const override { return Ask(&ITableModel::QueryTableFrame, nullptr); }
    int32 GetRowCount() const override { return Ask(&ITableModel::GetRowCount, 0); }
    int32 GetColumnCount() const override { return Ask(&ITableModel::GetColumnCount, 0); }
    PMReal GetColumnWidth(int32 column) const override {
        return Ask(&ITableModel::GetColumnWidth, 0.0, column);
    }
    PMReal GetRowHeight(int32 row) const override { return Ask(&ITableModel::GetRowHeight, 0.0, row); }
    PMReal GetTotalWidth() const override { return Ask(&ITableModel::GetTotalWidth, 0.0); }
    PMReal GetTotalHeight() const override { return Ask(&ITableModel::GetTotalHeight, 0.0); }
    UID GetCellUID(int32 row, int32 column) const override {
        return Ask(&ITableModel::GetCellUID, kInvalidUID, row, column);
    }
    ICellContent* QueryCellContent(int32 row, int32 column) const override {
        return Ask(&ITableModel::QueryCellContent, nullptr, row, column);
    }
    ITextStoryThread* QueryCellThread(int32 row, int32 column) const override {
        return Ask(&ITableModel::QueryCellThread, nullptr, row, column);
    }
    ITextStoryThreadDict* QueryThreadDict() const override {
        return Ask(&ITableModel::QueryThreadDict, nullptr);
    }
    RangeData GetCellsTextRange() const override { return Ask(&ITableModel::GetCellsTextRange, RangeData()); }
    // The layout is set on the table model itself.
    void SetLayout(const Layout&) override {}

private:
    InterfacePtr<ITableModel> Model() const {
        InterfacePtr<IUIDData> named(this, IID_IUIDDATA);
        IDataBase* db = GetBoss()->GetDataBase();
        const UID model = named ? named->GetUID() : kInvalidUID;
        if (!db || model == kInvalidUID || db->GetClass(model) != kTableModelBoss)
            return InterfacePtr<ITableModel>();
        return Query::Get<ITableModel>(db, model);
    }
    template <class R, class... Args, class... Given>
    R Ask(R (ITableModel::*question)(Args...) const, std::type_identity_t<R> fallback, Given... given) const {
        InterfacePtr<ITableModel> model = Model();
        return model ? (model.get()->*question)(given...) : fallback;
    }
};
} // namespace

ImplementationDeclaration MakeTableModelRefImplementation(ImplementationID id) {
    return IMPLEMENTATION(TableModelRef, id, false);
}
