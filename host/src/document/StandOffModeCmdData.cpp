// StandOffModeCmdData: the text-wrap mode the stand-off command sets.
#include "../objectmodel/HostImplementations.h"
#include "host/document/IStandOffModeCmdData.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class StandOffModeCmdData final : public CPMUnknown<IStandOffModeCmdData> {
public:
    explicit StandOffModeCmdData(IPMUnknown* boss) : CPMUnknown<IStandOffModeCmdData>(boss) {}
    void SetMode(int32 mode) override { fMode = mode; }
    int32 GetMode() const override { return fMode; }

private:
    int32 fMode = 0;
};
} // namespace

ImplementationDeclaration MakeStandOffModeCmdDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(StandOffModeCmdData, id, false);
}
