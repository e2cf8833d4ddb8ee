// TransformPageItemsCmd: applies a matrix to page items in pasteboard coordinates. Observers of the
// transform protocol hear kTransformChangeClass, then kTransformDoneChangeClass, once it is done.
#include "../PageItemOps.h"
#include "../Query.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/document/IGeometry.h"
#include "host/document/IHierarchy.h"
#include "host/document/ITransform.h"
#include "host/document/ITransformCmdData.h"
#include "host/objectmodel/ClassRegistry.h"
#include "objectmodel/HostImplementations.h"

namespace {
class TransformPageItemsCmd final : public Command {
public:
    explicit TransformPageItemsCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        ErrorUtils::PMSetGlobalErrorCode(kFailure);
        IDataBase* db = fItemList.GetDataBase();
        InterfacePtr<ITransformCmdData> data(this, IID_ITRANSFORMCMDDATA);
        if (!db || fItemList.IsEmpty() || !data)
            return;
        PMMatrix inverse = data->GetTransformMatrix();
        if (!inverse.Invert())
            return; // a singular matrix would flatten the items for good
        if (!PageItemOps::AreAllPageItems(fItemList))
            return;
        for (UID uid : fItemList.GetUIDs())
            Apply(db, uid, data->GetTransformMatrix(), data->GetOrigin());
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }

    void DoNotify() override {
        IDataBase* db = fItemList.GetDataBase();
        PageItemOps::Broadcast(db, kTransformChangeClass, IID_ITRANSFORM_DOCUMENT, this);
        PageItemOps::Broadcast(db, kTransformDoneChangeClass, IID_ITRANSFORM_DOCUMENT, this);
    }
    PMString* CreateName() override { return new PMString("Transform"); }

private:
    static void Apply(IDataBase* db, UID uid, const PMMatrix& matrix, int32 origin) {
        InterfacePtr<ITransform> transform = Query::Get<ITransform>(db, uid);
        InterfacePtr<IGeometry> geometry = Query::Get<IGeometry>(db, uid);
        InterfacePtr<IHierarchy> hierarchy = Query::Get<IHierarchy>(db, uid);
        if (!transform || !geometry || !hierarchy)
            return;
        PMMatrix onPasteboard(1, 0, 0, 1, 0, 0);
        PMPoint centre;
        if (origin == ITransformCmdData::kAroundItemCenter) {
            PMRect bounds = geometry->GetPathBoundingBox();
            transform->TransformInnerRectToPasteboard(&bounds);
            centre = bounds.GetCenter();
        }
        onPasteboard.Translate(-centre.X(), -centre.Y());
        onPasteboard.Concat(matrix);
        onPasteboard.Translate(centre.X(), centre.Y());
        // inner → parent → pasteboard → (transform) → parent
        const PMMatrix parentToPasteboard = PageItemOps::InnerToPasteboard(db, hierarchy->GetParentUID());
        PMMatrix pasteboardToParent = parentToPasteboard;
        pasteboardToParent.Invert();
        PMMatrix result = transform->GetInnerToParentMatrix();
        result.Concat(parentToPasteboard);
        result.Concat(onPasteboard);
        result.Concat(pasteboardToParent);
        transform->SetInnerToParentMatrix(result);
    }
};
} // namespace

ImplementationDeclaration MakeTransformPageItemsCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(TransformPageItemsCmd, id, false);
}
