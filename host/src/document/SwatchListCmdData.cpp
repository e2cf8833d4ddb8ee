// SwatchListCmdData: the document whose swatch list the add-swatches command extends.
#include "../objectmodel/HostImplementations.h"
#include "host/document/ISwatchListCmdData.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class SwatchListCmdData final : public CPMUnknown<ISwatchListCmdData> {
public:
    explicit SwatchListCmdData(IPMUnknown* boss) : CPMUnknown<ISwatchListCmdData>(boss) {}
    void SetSwatchList(const UIDRef& document) override { fDocument = document; }
    UIDRef GetSwatchList() const override { return fDocument; }

private:
    UIDRef fDocument;
};
} // namespace

ImplementationDeclaration MakeSwatchListCmdDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(SwatchListCmdData, id, false);
}
