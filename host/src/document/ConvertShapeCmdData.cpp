// ConvertShapeCmdData: the shape the convert-shape command makes.
#include "../objectmodel/HostImplementations.h"
#include "host/document/IConvertShapeCmdData.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class ConvertShapeCmdData final : public CPMUnknown<IConvertShapeCmdData> {
public:
    explicit ConvertShapeCmdData(IPMUnknown* boss) : CPMUnknown<IConvertShapeCmdData>(boss) {}
    void Set(int32 shape, ClassID cornerClass, PMReal cornerSize, int32 sides, PMReal inset) override {
        fShape = shape;
        fCornerClass = cornerClass;
        fCornerSize = cornerSize;
        fSides = sides;
        fInset = inset;
    }
    int32 GetShape() const override { return fShape; }
    ClassID GetCornerClass() const override { return fCornerClass; }
    PMReal GetCornerSize() const override { return fCornerSize; }
    int32 GetSides() const override { return fSides; }
    PMReal GetInset() const override { return fInset; }

private:
    int32 fShape = kRectangle;
    ClassID fCornerClass = kInvalidClass;
    PMReal fCornerSize = 12.0;
    int32 fSides = 6;
    PMReal fInset = 0.0;
};
} // namespace

ImplementationDeclaration MakeConvertShapeCmdDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(ConvertShapeCmdData, id, false);
}
