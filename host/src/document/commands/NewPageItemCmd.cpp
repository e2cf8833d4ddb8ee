// NewPageItemCmd: makes a spline item of a given class under a parent. Its inner coordinates are
// centred on the item, so the item's transform holds where it sits in its parent.
#include "../PageItemOps.h"
#include "../Query.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/document/IHierarchy.h"
#include "host/document/INewPageItemCmdData.h"
#include "host/document/IPathGeometry.h"
#include "host/document/ITransform.h"
#include "host/objectmodel/ClassRegistry.h"
#include "objectmodel/HostImplementations.h"

namespace {
class NewPageItemCmd final : public Command {
public:
    explicit NewPageItemCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        ErrorUtils::PMSetGlobalErrorCode(kFailure);
        InterfacePtr<INewPageItemCmdData> data(this, IID_INEWPAGEITEMCMDDATA);
        if (!data || !data->GetDataBase() || data->GetPoints().size() < 2 ||
            !ClassRegistry::Instance().IsDerivedFrom(data->GetNewItemClass(), kSplineItemBoss))
            return;
        IDataBase* db = data->GetDataBase();
        InterfacePtr<IHierarchy> parent = Query::Get<IHierarchy>(db, data->GetParent());
        if (!parent)
            return;
        const UID item = db->NewUID(data->GetNewItemClass());
        if (!Place(db, item, data->GetParent(), data->GetPoints()))
            return;
        parent->AddChild(item, -1);
        fItemList = UIDList(UIDRef(db, item));
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }

    void DoNotify() override {
        PageItemOps::Broadcast(fItemList.GetDataBase(), kNewPageItemCmdBoss, IID_IHIERARCHY_DOCUMENT, this);
    }
    PMString* CreateName() override { return new PMString("New Item"); }

private:
    // The path in the item's inner coordinates: the points taken into the parent's coordinates,
    // then moved so that their bounding box is centred on the origin.
    bool Place(IDataBase* db, UID item, UID parent, const PMPointList& pasteboardPoints) {
        InterfacePtr<IPathGeometry> path = Query::Get<IPathGeometry>(db, item);
        InterfacePtr<ITransform> transform = Query::Get<ITransform>(db, item);
        if (!path || !transform)
            return false;
        PMMatrix toParent = PageItemOps::InnerToPasteboard(db, parent);
        toParent.Invert();
        PMPointList points = pasteboardPoints;
        if (points.size() == 2) {
            const PMRect r(points[0], points[1]);
            points = {r.LeftTop(), {r.Right(), r.Top()}, r.RightBottom(), {r.Left(), r.Bottom()}};
        }
        PMPathPointList corners;
        for (const PMPoint& p : points)
            corners.emplace_back(toParent.TransformPoint(p));
        PMRect box(corners[0].GetAnchor(), corners[0].GetAnchor());
        for (const PMPathPoint& p : corners)
            box = box.Union(PMRect(p.GetAnchor(), p.GetAnchor()));
        const PMPoint centre = box.GetCenter();
        for (PMPathPoint& p : corners)
            p.Transform(PMMatrix(1, 0, 0, 1, -centre.X(), -centre.Y()));
        path->AddPath(corners, kFalse);
        transform->SetInnerToParentMatrix(PMMatrix(1, 0, 0, 1, centre.X(), centre.Y()));
        return true;
    }
};
} // namespace

ImplementationDeclaration MakeNewPageItemCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(NewPageItemCmd, id, false);
}
