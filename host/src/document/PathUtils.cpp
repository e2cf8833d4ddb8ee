// PathUtils: spline items through the new-page-item command, and standard paths.
#include "../objectmodel/HostImplementations.h"
#include "host/commands/CmdUtils.h"
#include "host/document/INewPageItemCmdData.h"
#include "host/document/IPathUtils.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
// Distance of a quarter circle's control points from its ends, per unit of radius.
constexpr PMReal kKappa = 0.5522847498307936;

class PathUtils final : public CPMUnknown<IPathUtils> {
public:
    explicit PathUtils(IPMUnknown* boss) : CPMUnknown<IPathUtils>(boss) {}

    UIDRef CreateRectangleSpline(const UIDRef& parent, const PMRect& bounds,
                                 ClassID itemClass) const override {
        InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNewPageItemCmdBoss));
        InterfacePtr<INewPageItemCmdData> data(cmd, IID_INEWPAGEITEMCMDDATA);
        if (!cmd || !data)
            return UIDRef();
        data->Set(parent.GetDataBase(), itemClass, parent.GetUID(), {bounds.LeftTop(), bounds.RightBottom()});
        if (CmdUtils::ProcessCommand(cmd) != kSuccess || cmd->GetItemList()->Length() != 1)
            return UIDRef();
        return cmd->GetItemList()->GetRef(0);
    }

    PMPathPointList MakeRectanglePath(const PMRect& r) const override {
        return {PMPathPoint(r.LeftTop()), PMPathPoint({r.Right(), r.Top()}), PMPathPoint(r.RightBottom()),
                PMPathPoint({r.Left(), r.Bottom()})};
    }

    PMPathPointList MakeEllipsePath(const PMRect& r) const override {
        const PMPoint c = r.GetCenter();
        const PMReal rx = r.Width() / 2, ry = r.Height() / 2, kx = rx * kKappa, ky = ry * kKappa;
        // Clockwise from the top, each anchor with its direction points along the tangent.
        return {PMPathPoint({c.X() - kx, r.Top()}, {c.X(), r.Top()}, {c.X() + kx, r.Top()}),
                PMPathPoint({r.Right(), c.Y() - ky}, {r.Right(), c.Y()}, {r.Right(), c.Y() + ky}),
                PMPathPoint({c.X() + kx, r.Bottom()}, {c.X(), r.Bottom()}, {c.X() - kx, r.Bottom()}),
                PMPathPoint({r.Left(), c.Y() + ky}, {r.Left(), c.Y()}, {r.Left(), c.Y() - ky})};
    }
};
} // namespace

ImplementationDeclaration MakePathUtilsImplementation(ImplementationID id) {
    return IMPLEMENTATION(PathUtils, id, false);
}
