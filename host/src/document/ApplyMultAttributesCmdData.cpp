// ApplyMultAttributesCmdData: the attributes the apply-multiple-attributes command sets.
#include "../objectmodel/HostImplementations.h"
#include "host/document/IApplyMultAttributesCmdData.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class ApplyMultAttributesCmdData final : public CPMUnknown<IApplyMultAttributesCmdData> {
public:
    explicit ApplyMultAttributesCmdData(IPMUnknown* boss) : CPMUnknown<IApplyMultAttributesCmdData>(boss) {}
    void AddAnAttribute(const GraphicAttribute& attribute) override { fAttributes.push_back(attribute); }
    const std::vector<GraphicAttribute>& GetAttributes() const override { return fAttributes; }
    void Clear() override { fAttributes.clear(); }

private:
    std::vector<GraphicAttribute> fAttributes;
};
} // namespace

ImplementationDeclaration MakeApplyMultAttributesCmdDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(ApplyMultAttributesCmdData, id, false);
}
