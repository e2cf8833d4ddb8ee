// GraphicFrameData: a spline is a text frame when its first child is a multi-column item.
#include "TextImplementations.h"
#include "host/database/IDataBase.h"
#include "host/document/IHierarchy.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/IGraphicFrameData.h"

namespace {
class GraphicFrameData final : public CPMUnknown<IGraphicFrameData> {
public:
    explicit GraphicFrameData(IPMUnknown* boss) : CPMUnknown<IGraphicFrameData>(boss) {}

    bool16 IsTextFrame() const override { return GetTextContentUID() != kInvalidUID; }
    UID GetTextContentUID() const override {
        InterfacePtr<IHierarchy> hierarchy(this, IID_IHIERARCHY);
        IDataBase* db = GetBoss()->GetDataBase();
        if (!hierarchy || !db || hierarchy->GetChildCount() == 0)
            return kInvalidUID;
        const UID child = hierarchy->GetChildUID(0);
        return db->GetClass(child) == kMultiColumnItemBoss ? child : kInvalidUID;
    }
};
} // namespace

ImplementationDeclaration MakeGraphicFrameDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(GraphicFrameData, id, false);
}
