// ColorData: the stored colour space and components of a swatch.
#include <algorithm>

#include "../objectmodel/HostImplementations.h"
#include "host/database/IPMStream.h"
#include "host/document/IColorData.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class ColorData final : public CPMUnknown<IColorData> {
public:
    explicit ColorData(IPMUnknown* boss) : CPMUnknown<IColorData>(boss) {}
    int32 GetColorSpace() const override { return fSpace; }
    std::vector<PMReal> GetColorData() const override { return fComponents; }
    void SetColorData(int32 colorSpace, const std::vector<PMReal>& components) override {
        PreDirty();
        fSpace = colorSpace;
        fComponents = components;
    }
    void ReadWrite(IPMStream* stream, ImplementationID) override {
        stream->XferInt32(fSpace);
        int32 count = static_cast<int32>(fComponents.size());
        stream->XferInt32(count);
        if (stream->IsReading())
            fComponents.assign(static_cast<size_t>(std::clamp(count, 0, 16)), 0.0);
        for (PMReal& component : fComponents)
            stream->XferReal(component);
    }

private:
    int32 fSpace = kNoColorSpace;
    std::vector<PMReal> fComponents;
};
} // namespace

int32 IColorData::ComponentCount(int32 colorSpace) {
    switch (colorSpace) {
    case kNoColorSpace:
        return 0;
    case kRGB:
    case kLab:
        return 3;
    case kCMYK:
        return 4;
    case kGray:
        return 1;
    default:
        return -1;
    }
}

const char* IColorData::CheckComponents(int32 colorSpace, const std::vector<PMReal>& components) {
    const int32 count = ComponentCount(colorSpace);
    if (count < 0)
        return "the colour space is unknown";
    if (static_cast<int32>(components.size()) != count)
        return "the number of components does not fit the colour space";
    for (size_t i = 0; i < components.size(); ++i) {
        const PMReal value = components[i];
        const bool lab = colorSpace == kLab;
        const PMReal low = lab ? (i == 0 ? 0.0 : -128.0) : 0.0;
        const PMReal high = lab ? (i == 0 ? 100.0 : 127.0) : 1.0;
        if (!(value >= low && value <= high))
            return "a component is out of range";
    }
    return "";
}

ImplementationDeclaration MakeColorDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(ColorData, id, true);
}
