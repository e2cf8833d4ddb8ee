// LayerUtils: the active layer of a document and the host's list of layer colours.
#include <array>

#include "../objectmodel/HostImplementations.h"
#include "host/document/IActiveLayer.h"
#include "host/document/IDocument.h"
#include "host/document/ILayerUtils.h"
#include "host/notify/ISubject.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
constexpr std::array<RGBColor, 12> kLayerColors = {{{0.31, 0.6, 1.0},
                                                    {1.0, 0.2, 0.2},
                                                    {0.31, 1.0, 0.31},
                                                    {0.31, 0.31, 1.0},
                                                    {1.0, 1.0, 0.31},
                                                    {1.0, 0.31, 1.0},
                                                    {0.31, 1.0, 1.0},
                                                    {0.5, 0.5, 0.5},
                                                    {0.0, 0.0, 0.0},
                                                    {1.0, 0.6, 0.0},
                                                    {0.0, 0.4, 0.0},
                                                    {0.0, 0.6, 0.6}}};

class LayerUtils final : public CPMUnknown<ILayerUtils> {
public:
    explicit LayerUtils(IPMUnknown* boss) : CPMUnknown<ILayerUtils>(boss) {}

    UID GetActiveLayerUID(const IDocument* document) const override {
        InterfacePtr<IActiveLayer> active(document, IID_IACTIVELAYER);
        return active ? active->GetActiveLayerUID() : kInvalidUID;
    }
    // The active layer is view state: changing it is not a document change and not undoable,
    // but observers of the layer list hear about it.
    ErrorCode SetActiveLayer(const IDocument* document, UID layer) const override {
        InterfacePtr<IActiveLayer> active(document, IID_IACTIVELAYER);
        if (!active || active->SetActiveLayerUID(layer) != kSuccess)
            return kFailure;
        if (InterfacePtr<ISubject> subject{document, IID_ISUBJECT})
            subject->Change(kActiveLayerChangeClass, IID_ILAYERLIST_DOCUMENT, nullptr);
        return kSuccess;
    }
    RGBColor GetLayerColor(int32 index) const override {
        const int32 count = CountLayerColors();
        return kLayerColors[static_cast<size_t>(((index % count) + count) % count)];
    }
    int32 CountLayerColors() const override { return static_cast<int32>(kLayerColors.size()); }
};
} // namespace

ImplementationDeclaration MakeLayerUtilsImplementation(ImplementationID id) {
    return IMPLEMENTATION(LayerUtils, id, false);
}
