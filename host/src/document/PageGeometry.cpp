// PageGeometry: the stored bounds of a page in its inner coordinates (left top at the origin).
#include "../objectmodel/HostImplementations.h"
#include "host/database/IPMStream.h"
#include "host/document/IGeometry.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class PageGeometry final : public CPMUnknown<IGeometry> {
public:
    explicit PageGeometry(IPMUnknown* boss) : CPMUnknown<IGeometry>(boss) {}

    PMRect GetPathBoundingBox() const override { return fBounds; }
    ErrorCode SetPathBoundingBox(const PMRect& bounds) override {
        if (bounds.IsEmpty())
            return kFailure;
        PreDirty();
        fBounds = bounds;
        return kSuccess;
    }
    PMRect GetStrokeBoundingBox() const override { return fBounds; }

    void ReadWrite(IPMStream* stream, ImplementationID) override {
        PMReal edges[4] = {fBounds.Left(), fBounds.Top(), fBounds.Right(), fBounds.Bottom()};
        for (PMReal& edge : edges)
            stream->XferReal(edge);
        fBounds = PMRect(edges[0], edges[1], edges[2], edges[3]);
    }

private:
    PMRect fBounds;
};
} // namespace

ImplementationDeclaration MakePageGeometryImplementation(ImplementationID id) {
    return IMPLEMENTATION(PageGeometry, id, true);
}
