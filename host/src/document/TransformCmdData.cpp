// TransformCmdData: the transform command's matrix and origin.
#include "../objectmodel/HostImplementations.h"
#include "host/document/ITransformCmdData.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class TransformCmdData final : public CPMUnknown<ITransformCmdData> {
public:
    explicit TransformCmdData(IPMUnknown* boss) : CPMUnknown<ITransformCmdData>(boss) {}
    void SetTransformData(const PMMatrix& matrix, int32 origin) override {
        fMatrix = matrix;
        fOrigin = origin;
    }
    PMMatrix GetTransformMatrix() const override { return fMatrix; }
    int32 GetOrigin() const override { return fOrigin; }

private:
    PMMatrix fMatrix;
    int32 fOrigin = kAroundItemCenter;
};
} // namespace

ImplementationDeclaration MakeTransformCmdDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(TransformCmdData, id, false);
}
