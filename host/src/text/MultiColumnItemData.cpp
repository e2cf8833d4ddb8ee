// MultiColumnItemData: column count and gutter; stored on multi-column items, plain on commands.
#include <algorithm>

#include "TextImplementations.h"
#include "host/database/IPMStream.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/IMultiColumnItemData.h"

namespace {
template <bool Persistent> class MultiColumnItemData final : public CPMUnknown<IMultiColumnItemData> {
public:
    explicit MultiColumnItemData(IPMUnknown* boss) : CPMUnknown<IMultiColumnItemData>(boss) {}

    int32 GetNumberOfColumns() const override { return fColumns; }
    void SetNumberOfColumns(int32 columns) override {
        Change();
        fColumns = std::clamp<int32>(columns, 1, kMaxColumns);
    }
    PMReal GetGutter() const override { return fGutter; }
    void SetGutter(PMReal gutter) override {
        Change();
        fGutter = std::max(0.0, gutter);
    }
    void ReadWrite(IPMStream* stream, ImplementationID) override {
        if (!Persistent)
            return;
        stream->XferInt32(fColumns);
        stream->XferReal(fGutter);
        if (stream->IsReading()) { // a damaged stream never gives an unusable frame
            fColumns = std::clamp<int32>(fColumns, 1, kMaxColumns);
            fGutter = fGutter >= 0.0 ? fGutter : 0.0;
        }
    }

private:
    void Change() {
        if (Persistent)
            PreDirty();
    }
    int32 fColumns = 1;
    PMReal fGutter = kDefaultGutter;
};
} // namespace

ImplementationDeclaration MakeMultiColumnItemDataImplementation(ImplementationID id, bool persistent) {
    return persistent ? IMPLEMENTATION(MultiColumnItemData<true>, id, true)
                      : IMPLEMENTATION(MultiColumnItemData<false>, id, false);
}
