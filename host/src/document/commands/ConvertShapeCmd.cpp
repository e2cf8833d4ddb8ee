// ConvertShapeCmd: replaces the paths of spline items by a standard shape filling their bounds.
#include <cmath>
#include <numbers>

#include "../Query.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/document/IConvertShapeCmdData.h"
#include "host/document/IGraphicStyleAttributeBossList.h"
#include "host/document/IPathGeometry.h"
#include "host/document/IPathUtils.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/ObjectModel.h"
#include "objectmodel/HostImplementations.h"

namespace {
class ConvertShapeCmd final : public Command {
public:
    explicit ConvertShapeCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        ErrorUtils::PMSetGlobalErrorCode(kFailure);
        IDataBase* db = fItemList.GetDataBase();
        InterfacePtr<IConvertShapeCmdData> data(this, IID_ICONVERTSHAPECMDDATA);
        if (!db || fItemList.IsEmpty() || !data)
            return;
        for (UID uid : fItemList.GetUIDs()) {
            InterfacePtr<IPathGeometry> path = Query::Get<IPathGeometry>(db, uid);
            if (!path || !Convert(path, data))
                return;
            if (data->GetShape() == IConvertShapeCmdData::kRoundedRectangle)
                SetCorners(Query::Get<IGraphicStyleAttributeBossList>(db, uid), data);
        }
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
    PMString* CreateName() override { return new PMString("Convert Shape"); }

private:
    static bool Convert(IPathGeometry* path, const IConvertShapeCmdData* data) {
        const PMRect bounds = path->GetPathBoundingBox();
        if (bounds.IsEmpty())
            return false;
        switch (data->GetShape()) {
        case IConvertShapeCmdData::kRectangle:
        case IConvertShapeCmdData::kRoundedRectangle:
            return Replace(path, Utils<IPathUtils>()->MakeRectanglePath(bounds), kFalse);
        case IConvertShapeCmdData::kEllipse:
            return Replace(path, Utils<IPathUtils>()->MakeEllipsePath(bounds), kFalse);
        case IConvertShapeCmdData::kPolygon:
            return data->GetSides() >= 3 &&
                   Replace(path, Polygon(bounds, data->GetSides(), data->GetInset()), kFalse);
        case IConvertShapeCmdData::kLine:
            return Replace(path, {PMPathPoint(bounds.LeftTop()), PMPathPoint(bounds.RightBottom())}, kTrue);
        default:
            return false;
        }
    }
    static bool Replace(IPathGeometry* path, const PMPathPointList& points, bool16 open) {
        path->RemoveAllPaths();
        path->AddPath(points, open);
        return true;
    }
    // A regular polygon inscribed in the bounds, first corner at the top; an inset between 0 and 1
    // pulls a point between each pair of corners towards the centre, making a star.
    static PMPathPointList Polygon(const PMRect& bounds, int32 sides, PMReal inset) {
        const PMPoint c = bounds.GetCenter();
        const PMReal rx = bounds.Width() / 2, ry = bounds.Height() / 2;
        const bool star = inset > 0 && inset < 1;
        PMPathPointList points;
        for (int32 i = 0; i < sides * (star ? 2 : 1); ++i) {
            const PMReal angle = -std::numbers::pi / 2 + i * std::numbers::pi * (star ? 1.0 : 2.0) / sides;
            const PMReal scale = star && i % 2 == 1 ? 1 - inset : 1;
            points.emplace_back(
                PMPoint(c.X() + rx * scale * std::cos(angle), c.Y() + ry * scale * std::sin(angle)));
        }
        return points;
    }
    static void SetCorners(const InterfacePtr<IGraphicStyleAttributeBossList>& list,
                           const IConvertShapeCmdData* data) {
        if (!list)
            return;
        list->AddAttribute(GraphicAttribute::Class(
            kGraphicStyleCornerEffectAttrBoss,
            data->GetCornerClass() != kInvalidClass ? data->GetCornerClass() : kRoundedCornerBoss));
        list->AddAttribute(GraphicAttribute::Real(kGraphicStyleCornerSizeAttrBoss, data->GetCornerSize()));
    }
};
} // namespace

ImplementationDeclaration MakeConvertShapeCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(ConvertShapeCmd, id, false);
}
