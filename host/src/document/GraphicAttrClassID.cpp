// GraphicAttrClassID: the class value an attribute object carries.
#include "../objectmodel/HostImplementations.h"
#include "host/document/IGraphicAttrClassID.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class GraphicAttrClassID final : public CPMUnknown<IGraphicAttrClassID> {
public:
    explicit GraphicAttrClassID(IPMUnknown* boss) : CPMUnknown<IGraphicAttrClassID>(boss) {}
    ClassID GetClassID() const override { return fValue; }
    void SetClassID(ClassID value) override { fValue = value; }

private:
    ClassID fValue = kInvalidClass;
};
} // namespace

ImplementationDeclaration MakeGraphicAttrClassIDImplementation(ImplementationID id) {
    return IMPLEMENTATION(GraphicAttrClassID, id, false);
}
