// StringData: holds one string (command data).
#include "../objectmodel/HostImplementations.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/IStringData.h"

namespace {
class StringData final : public CPMUnknown<IStringData> {
public:
    explicit StringData(IPMUnknown* boss) : CPMUnknown<IStringData>(boss) {}
    void Set(const PMString& value) override { fValue = value; }
    PMString GetString() const override { return fValue; }

private:
    PMString fValue;
};
} // namespace

ImplementationDeclaration MakeStringDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(StringData, id, false);
}
