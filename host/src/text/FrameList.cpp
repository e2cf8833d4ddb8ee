// FrameList: the story's columns in threading order. A deleted frame's columns stay listed (so
// undoing the deletion brings the threading back) but every query passes over them.
#include <algorithm>

#include "../database/CountedList.h"
#include "../document/Query.h"
#include "ChangeStamp.h"
#include "TextImplementations.h"
#include "host/database/IPMStream.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/IFrameList.h"
#include "host/text/ITextFrameColumn.h"

namespace {
class FrameList final : public CPMUnknown<IFrameList> {
public:
    explicit FrameList(IPMUnknown* boss) : CPMUnknown<IFrameList>(boss) {}

    int32 GetFrameCount() const override { return static_cast<int32>(Live().size()); }
    UID GetNthFrameUID(int32 n) const override {
        const std::vector<UID> live = Live();
        return n >= 0 && n < static_cast<int32>(live.size()) ? live[static_cast<size_t>(n)] : kInvalidUID;
    }
    std::vector<UID> GetFrameUIDs() const override { return Live(); }
    ITextFrameColumn* QueryNthFrame(int32 n) const override {
        return Query::Get<ITextFrameColumn>(GetBoss()->GetDataBase(), GetNthFrameUID(n)).forget();
    }
    int32 GetFrameIndex(UID column) const override {
        const std::vector<UID> live = Live();
        const auto found = std::find(live.begin(), live.end(), column);
        return found == live.end() ? -1 : static_cast<int32>(found - live.begin());
    }
    std::vector<UID> GetListedUIDs() const override { return fColumns; }
    uint64 GetChangeCount() const override { return fStamp; }
    void AppendFrame(UID column) override {
        PreDirty();
        fStamp = ChangeStamp::Next();
        fColumns.push_back(column);
    }
    void RemoveFrame(UID column) override {
        const auto found = std::find(fColumns.begin(), fColumns.end(), column);
        if (found == fColumns.end())
            return;
        PreDirty();
        fStamp = ChangeStamp::Next();
        fColumns.erase(found);
    }
    void ReadWrite(IPMStream* stream, ImplementationID) override {
        if (stream->IsReading())
            fStamp = ChangeStamp::Next();
        CountedList::XferReferences(stream, fColumns);
    }

private:
    std::vector<UID> Live() const {
        IDataBase* db = GetBoss()->GetDataBase();
        std::vector<UID> live;
        for (UID column : fColumns)
            if (db && db->GetClass(column) == kFrameItemBoss)
                live.push_back(column);
        return live;
    }

    std::vector<UID> fColumns;
    uint64 fStamp = ChangeStamp::Next();
};
} // namespace

ImplementationDeclaration MakeFrameListImplementation(ImplementationID id) {
    return IMPLEMENTATION(FrameList, id, true);
}
