#include "NotesCreateDrawnMarkupCmd.h"

#include <cmath>

#include "INotesAnnotation.h"
#include "INotesDrawMarkupAnnotationData.h"
#include "NotesCreateStickyNoteCmd.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/document/IGraphicAttrClassID.h"
#include "host/document/IGraphicAttributeUtils.h"
#include "host/document/IGraphicStyleAttributeBossList.h"
#include "host/document/IPathGeometry.h"
#include "host/document/IPathUtils.h"
#include "host/document/ITransform.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/ObjectModel.h"
#include "NotesFailureLog.h"
#include "model/NotesSaveAnnotationCmd.h"

bool NotesCreateDrawnMarkupCmd::AreUsablePoints(const PMPointList& points) {
    const auto usable = [](PMReal v) { return std::isfinite(v) && std::fabs(v) <= kLargestCoordinate; };
    for (const PMPoint& point : points)
        if (!usable(point.X()) || !usable(point.Y()))
            return false;
    return true;
}

ClassID NotesCreateDrawnMarkupCmd::StrokeTypeOf(int32 borderStyle) {
    constexpr int32 kDashedBorderStyle = 3;
    return borderStyle == kDashedBorderStyle ? kDashedPathStrokerBoss : kSolidPathStrokerBoss;
}

bool NotesCreateDrawnMarkupCmd::ReplacePath(const UIDRef& item, const PMPointList& points, bool16 open) {
    InterfacePtr<IPathGeometry> pathGeometry(item, IID_IPATHGEOMETRY);
    InterfacePtr<ITransform> transform(item, IID_ITRANSFORM);
    if (!NOTES_CHECK_NIL(pathGeometry) || !NOTES_CHECK_NIL(transform))
        return false;
    PMPathPointList path;
    path.reserve(points.size());
    for (const PMPoint& point : points)
        path.emplace_back(point);
    transform->TransformPasteboardPathToInner(&path);
    pathGeometry->RemoveAllPaths();
    const int32 index = pathGeometry->AddPath({}, open);
    for (const PMPathPoint& point : path)
        pathGeometry->AddPathPoint(index, point);
    if (open)
        pathGeometry->OpenPath(index);
    else
        pathGeometry->ClosePath(index);
    return true;
}

IGraphicStyleAttributeBossList*
NotesCreateDrawnMarkupCmd::NewStrokeAttributes(const INotesDrawMarkupAnnotationData* drawData) {
    Utils<IGraphicAttributeUtils> graphicAttributeUtils;
    if (!NOTES_CHECK_NIL(graphicAttributeUtils) || !NOTES_CHECK_TRUE(std::isfinite(drawData->GetWidth())))
        return nullptr;
    InterfacePtr<IGraphicStyleAttributeBossList> graphicStyleAttributeBossList(
        graphicAttributeUtils->CreateAttributeList());
    InterfacePtr<IGraphicAttrClassID> graphicAttrClassID(
        CreateObject2<IGraphicAttrClassID>(kGraphicStyleStrokeTypeAttrBoss));
    if (!NOTES_CHECK_NIL(graphicStyleAttributeBossList) || !NOTES_CHECK_NIL(graphicAttrClassID))
        return nullptr;
    IGraphicStyleAttributeBossList* list = graphicStyleAttributeBossList;
    graphicAttrClassID->SetClassID(StrokeTypeOf(drawData->GetBorderStyle()));
    if (!NOTES_CHECK_SUCCESS(graphicAttributeUtils->AddStrokeWeightAttribute(list, drawData->GetWidth())) ||
        !NOTES_CHECK_SUCCESS(
            graphicAttributeUtils->AddStrokeRenderingAttribute(list, drawData->GetMainColor())) ||
        !NOTES_CHECK_SUCCESS(list->AddAttribute(graphicAttrClassID)))
        return nullptr;
    return graphicStyleAttributeBossList.forget();
}

bool NotesCreateDrawnMarkupCmd::SetPopupReference(const UIDRef& item) {
    InterfacePtr<IUIDData> refUIDData(this, IID_INOTESANNOTATIONREFERENCE);
    InterfacePtr<IUIDData> annotReference(item, IID_INOTESANNOTATIONREFERENCE);
    if (!NOTES_CHECK_NIL(refUIDData) || !NOTES_CHECK_NIL(annotReference))
        return false;
    annotReference->Set(refUIDData->GetUID());
    return true;
}

bool NotesCreateDrawnMarkupCmd::Finish(const UIDRef& item, const INotesAnnotation* record) {
    return NotesCreateStickyNoteCmd::SetNoTextWrap(item) &&
           NotesSaveAnnotationCmd::SaveRecord(item, record) && SetPopupReference(item);
}

void NotesCreateDrawnMarkupCmd::Discard(const UIDRef& item) {
    InterfacePtr<ICommand> deleteCmd(CmdUtils::CreateCommand(kDeleteCmdBoss));
    if (!NOTES_CHECK_NIL(deleteCmd))
        return;
    deleteCmd->SetItemList(UIDList(item));
    if (CmdUtils::ProcessCommand(deleteCmd) != kSuccess)
        NOTES_LOG_FAILED("deleteCmd");
}

void NotesCreateDrawnMarkupCmd::Do() {
    ErrorCode status = kFailure;
    do {
        if (!NOTES_CHECK_TRUE(GetItemList()->Length() == 1))
            break;
        InterfacePtr<INotesDrawMarkupAnnotationData> drawData(this, IID_INOTESDRAWMARKUPANNOTATIONDATA);
        if (!drawData) {
            NOTES_LOG_NIL(fDrawDataName);
            break;
        }
        InterfacePtr<INotesAnnotation> annotationCmdData(this, IID_INOTESANNOTATION);
        if (!NOTES_CHECK_NIL(annotationCmdData))
            break;
        const PMPointList points = annotationCmdData->GetPoints();
        if (!NOTES_CHECK_TRUE(points.size() >= 2) || !NOTES_CHECK_TRUE(AreUsablePoints(points)))
            break;
        Utils<IPathUtils> pathUtils;
        if (!NOTES_CHECK_NIL(pathUtils))
            break;
        PMRect bounds(points[0], points[1]);
        bounds.Normalize();
        const UIDRef item = pathUtils->CreateRectangleSpline(GetItemList()->GetRef(0), bounds, fItemClass);
        if (!NOTES_CHECK_TRUE(item.GetUID() != kInvalidUID))
            break;
        if (!Shape(item, annotationCmdData) || !Paint(item, drawData) || !Finish(item, annotationCmdData)) {
            Discard(item);
            break;
        }
        fItemList = UIDList(item);
        status = kSuccess;
    } while (false);
    ErrorUtils::PMSetGlobalErrorCode(status);
}
