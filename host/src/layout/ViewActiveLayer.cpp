// ViewActiveLayer: the layout view's active layer. The state stays with the document's own
// IActiveLayer, which callers reach through ILayerUtils with the document alone; the view answers
// the same, so either way gives one active layer per document and view.
#include "../objectmodel/HostImplementations.h"
#include "host/document/IActiveLayer.h"
#include "host/document/IDocument.h"
#include "host/layout/ILayoutControlData.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class ViewActiveLayer final : public CPMUnknown<IActiveLayer> {
public:
    explicit ViewActiveLayer(IPMUnknown* boss) : CPMUnknown<IActiveLayer>(boss) {}

    UID GetActiveLayerUID() const override {
        InterfacePtr<IActiveLayer> documentLayer = QueryDocumentLayer();
        return documentLayer ? documentLayer->GetActiveLayerUID() : kInvalidUID;
    }
    ErrorCode SetActiveLayerUID(UID layer) override {
        InterfacePtr<IActiveLayer> documentLayer = QueryDocumentLayer();
        return documentLayer ? documentLayer->SetActiveLayerUID(layer) : kFailure;
    }

private:
    InterfacePtr<IActiveLayer> QueryDocumentLayer() const {
        InterfacePtr<ILayoutControlData> view(this, IID_ILAYOUTCONTROLDATA);
        return InterfacePtr<IActiveLayer>(view ? view->GetDocument() : nullptr, IID_IACTIVELAYER);
    }
};
} // namespace

ImplementationDeclaration MakeViewActiveLayerImplementation(ImplementationID id) {
    return IMPLEMENTATION(ViewActiveLayer, id, false);
}
