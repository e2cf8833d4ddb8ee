// RangeDataHolder: holds one text range; the persistent form stores start, end and lean as int32.
#include "../objectmodel/HostImplementations.h"
#include "host/database/IPMStream.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/IRangeData.h"

namespace {
template <bool Persistent> class RangeDataHolder final : public CPMUnknown<IRangeData> {
public:
    explicit RangeDataHolder(IPMUnknown* boss) : CPMUnknown<IRangeData>(boss) {}
    void Set(const RangeData& range) override {
        if (Persistent)
            PreDirty();
        fRange = range;
    }
    RangeData Get() const override { return fRange; }
    void ReadWrite(IPMStream* stream, ImplementationID) override {
        if (!Persistent)
            return;
        int32 start = fRange.Start(), end = fRange.End(), lean = fRange.GetLean();
        stream->XferInt32(start);
        stream->XferInt32(end);
        stream->XferInt32(lean);
        if (stream->IsReading())
            fRange = RangeData(start, end,
                               lean == RangeData::kLeanBack ? RangeData::kLeanBack : RangeData::kLeanForward);
    }

private:
    RangeData fRange;
};
} // namespace

ImplementationDeclaration MakeRangeDataImplementation(ImplementationID id, bool persistent) {
    return persistent ? IMPLEMENTATION(RangeDataHolder<true>, id, true)
                      : IMPLEMENTATION(RangeDataHolder<false>, id, false);
}
