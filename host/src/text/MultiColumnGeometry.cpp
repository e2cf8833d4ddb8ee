// MultiColumnGeometry: a multi-column item covers its columns; its bounds follow the frame's.
#include "TextImplementations.h"
#include "host/document/IGeometry.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/IMultiColumnTextFrame.h"

namespace {
class MultiColumnGeometry final : public CPMUnknown<IGeometry> {
public:
    explicit MultiColumnGeometry(IPMUnknown* boss) : CPMUnknown<IGeometry>(boss) {}

    PMRect GetPathBoundingBox() const override {
        InterfacePtr<IMultiColumnTextFrame> frame(this, IID_IMULTICOLUMNTEXTFRAME);
        const int32 count = frame ? frame->GetColumnCount() : 0;
        return count > 0 ? frame->GetColumnBounds(0).Union(frame->GetColumnBounds(count - 1)) : PMRect();
    }
    ErrorCode SetPathBoundingBox(const PMRect&) override { return kFailure; }
    PMRect GetStrokeBoundingBox() const override { return GetPathBoundingBox(); }
};
} // namespace

ImplementationDeclaration MakeMultiColumnGeometryImplementation(ImplementationID id) {
    return IMPLEMENTATION(MultiColumnGeometry, id, false);
}
