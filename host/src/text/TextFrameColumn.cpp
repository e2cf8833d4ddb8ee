// TextFrameColumn: a column answers for its parcel of the story's primary thread; its parcel key
// is its own UID, so the key stays the same while frames are threaded, moved or resized. A point
// in a cell of a table the column shows answers the cell's text.
#include "../document/Query.h"
#include "ColumnTables.h"
#include "TextImplementations.h"
#include "host/document/IHierarchy.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/IMultiColumnTextFrame.h"
#include "host/text/ITextFrameColumn.h"
#include "host/text/ITextModel.h"
#include "host/text/ITextParcelList.h"

namespace {
class TextFrameColumn final : public CPMUnknown<ITextFrameColumn> {
public:
    explicit TextFrameColumn(IPMUnknown* boss) : CPMUnknown<ITextFrameColumn>(boss) {}

    IMultiColumnTextFrame* QueryMultiColumnTextFrame() const override {
        InterfacePtr<IHierarchy> hierarchy(this, IID_IHIERARCHY);
        return hierarchy ? Query::Get<IMultiColumnTextFrame>(DB(), hierarchy->GetParentUID()).forget()
                         : nullptr;
    }
    UID GetTextModelUID() const override {
        InterfacePtr<IMultiColumnTextFrame> frame(QueryMultiColumnTextFrame());
        return frame ? frame->GetTextModelUID() : kInvalidUID;
    }
    ITextModel* QueryTextModel() const override {
        return Query::Get<ITextModel>(DB(), GetTextModelUID()).forget();
    }
    ParcelKey GetParcelKey() const override { return static_cast<ParcelKey>(GetBoss()->GetUID()); }

    TextIndex TextStart() const override { return Range().Start(); }
    int32 TextSpan() const override { return Range().Length(); }
    PMReal TextPositionAt(const PMPoint& pasteboardPoint) const override {
        for (const InterfacePtr<ITableFrame>& table :
             ColumnTables::Of(DB(), GetTextModelUID(), GetBoss()->GetUID())) {
            const UID cell = table->FindCellAt(pasteboardPoint);
            if (InterfacePtr<ITextParcelList> cellText = Query::Get<ITextParcelList>(DB(), cell))
                return cellText->TextPositionAt(static_cast<ParcelKey>(cell), pasteboardPoint);
        }
        InterfacePtr<ITextParcelList> parcels = Query::Get<ITextParcelList>(DB(), GetTextModelUID());
        return parcels ? parcels->TextPositionAt(GetParcelKey(), pasteboardPoint) : -1.0;
    }

private:
    IDataBase* DB() const { return GetBoss()->GetDataBase(); }
    RangeData Range() const {
        InterfacePtr<ITextParcelList> parcels = Query::Get<ITextParcelList>(DB(), GetTextModelUID());
        return parcels ? parcels->GetParcelTextRange(GetParcelKey()) : RangeData();
    }
};
} // namespace

ImplementationDeclaration MakeTextFrameColumnImplementation(ImplementationID id) {
    return IMPLEMENTATION(TextFrameColumn, id, false);
}
