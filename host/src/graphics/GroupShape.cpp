// GroupShape: a group draws its children, each through its own shape, in drawing order.
#include "../objectmodel/HostImplementations.h"
#include "host/database/IDataBase.h"
#include "host/document/IHierarchy.h"
#include "host/graphics/CGraphicFrameShape.h"
#include "host/graphics/GraphicsData.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class GroupShape final : public CGraphicFrameShape {
public:
    explicit GroupShape(IPMUnknown* boss) : CGraphicFrameShape(boss) {}

protected:
    void DrawShape(GraphicsData* graphicsData, int32 flags) override {
        InterfacePtr<IHierarchy> hierarchy(this, IID_IHIERARCHY);
        IDataBase* db = GetBoss()->GetDataBase();
        for (int32 i = 0; hierarchy && i < hierarchy->GetChildCount(); ++i) {
            InterfacePtr<IShape> child(
                ObjectModel::CheckedCast<IShape>(db->Instantiate(hierarchy->GetChildUID(i), IID_ISHAPE)));
            if (child)
                child->Draw(graphicsData, flags);
        }
    }
};
} // namespace

ImplementationDeclaration MakeGroupShapeImplementation(ImplementationID id) {
    return IMPLEMENTATION(GroupShape, id, false);
}
