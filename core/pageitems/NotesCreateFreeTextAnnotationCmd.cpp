#include "NotesCreateFreeTextAnnotationCmd.h"

#include <cmath>

#include "INotesAnnotation.h"
#include "INotesDrawMarkupAnnotationData.h"
#include "NotesAnnotationTextFrame.h"
#include "NotesCreateStickyNoteCmd.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/IGraphicAttributeUtils.h"
#include "host/document/IGraphicStyleAttributeBossList.h"
#include "host/document/IGroupCmdData.h"
#include "host/document/IHierarchy.h"
#include "host/document/IPathGeometry.h"
#include "host/document/IPathUtils.h"
#include "host/document/ISwatchUtils.h"
#include "host/document/ITransform.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/ObjectModel.h"
#include "NotesFailureLog.h"
#include "model/NotesSaveAnnotationCmd.h"

namespace {
// Border style 3 is the dashed border; every other style, cloudy ones included, is drawn solid.
ClassID StrokeTypeOf(int32 borderStyle) {
    return borderStyle == 3 ? kDashedPathStrokerBoss : kSolidPathStrokerBoss;
}

// Page coordinates beyond this are no place on any pasteboard; such a record is refused.
constexpr PMReal kLargestCoordinate = 1.0e6;
} // namespace

bool NotesCreateFreeTextAnnotationCmd::ArePointsUsable(const PMPointList& points) {
    if (!NOTES_CHECK_TRUE(points.size() >= kMinPoints && points.size() <= kMaxPoints))
        return false;
    for (const PMPoint& point : points)
        if (!std::isfinite(point.X()) || !std::isfinite(point.Y()) ||
            std::fabs(point.X()) > kLargestCoordinate || std::fabs(point.Y()) > kLargestCoordinate) {
            NOTES_LOG_FALSE("the free text's points are finite page coordinates");
            return false;
        }
    return true;
}

bool NotesCreateFreeTextAnnotationCmd::ApplyFrameLook(const UIDRef& frame,
                                                      const INotesDrawMarkupAnnotationData* data) {
    Utils<ISwatchUtils> swatchUtils;
    if (!NOTES_CHECK_NIL(swatchUtils))
        return false;
    const UID fill = data->GetSecondColor() != kInvalidUID
                         ? data->GetSecondColor()
                         : swatchUtils->GetNoneSwatchUID(frame.GetDataBase());
    return NotesAnnotationTextFrame::ApplyAttributes(frame, [&](IGraphicAttributeUtils* utils,
                                                                IGraphicStyleAttributeBossList* list) {
        return NOTES_CHECK_SUCCESS(utils->AddStrokeWeightAttribute(list, data->GetWidth())) &&
               NOTES_CHECK_SUCCESS(utils->AddStrokeRenderingAttribute(list, data->GetMainColor())) &&
               NOTES_CHECK_SUCCESS(utils->AddFillRenderingAttribute(list, fill)) &&
               NOTES_CHECK_SUCCESS(utils->AddStrokeTypeAttribute(list, StrokeTypeOf(data->GetBorderStyle())));
    });
}

bool NotesCreateFreeTextAnnotationCmd::ReplacePath(const UIDRef& callout, const PMPointList& points) {
    InterfacePtr<IPathGeometry> arrowPathGeometry(callout, IID_IPATHGEOMETRY);
    InterfacePtr<ITransform> transform(callout, IID_ITRANSFORM);
    if (!NOTES_CHECK_NIL(arrowPathGeometry) || !NOTES_CHECK_NIL(transform))
        return false;
    PMPathPointList path;
    for (const PMPoint& point : points)
        path.emplace_back(point);
    transform->TransformPasteboardPathToInner(&path);
    arrowPathGeometry->RemoveAllPaths();
    arrowPathGeometry->AddPath(path, kTrue);
    return true;
}

UIDRef NotesCreateFreeTextAnnotationCmd::CreateCallout(const UIDRef& parent, const PMRect& frameBounds,
                                                       const PMPointList& points,
                                                       const INotesDrawMarkupAnnotationData* data) {
    Utils<IPathUtils> pathUtils;
    if (!NOTES_CHECK_NIL(pathUtils))
        return UIDRef();
    const UIDRef callout = pathUtils->CreateRectangleSpline(parent, frameBounds, kNotesCalloutLineBoss);
    if (!NOTES_CHECK_TRUE(callout.GetUID() != kInvalidUID))
        return UIDRef();
    if (!ReplacePath(callout, PMPointList(points.begin() + kMinPoints, points.end())))
        return UIDRef();
    const bool styled = NotesAnnotationTextFrame::ApplyAttributes(
        callout, [&](IGraphicAttributeUtils* utils, IGraphicStyleAttributeBossList* list) {
            return NOTES_CHECK_SUCCESS(utils->AddStrokeWeightAttribute(list, data->GetWidth())) &&
                   NOTES_CHECK_SUCCESS(utils->AddLineStartAttribute(list, data->GetLineStart())) &&
                   NOTES_CHECK_SUCCESS(utils->AddStrokeRenderingAttribute(list, data->GetMainColor()));
        });
    return styled ? callout : UIDRef();
}

bool NotesCreateFreeTextAnnotationCmd::Group(const UIDRef& frame, const UIDRef& callout) {
    InterfacePtr<ICommand> groupCmd(CmdUtils::CreateCommand(kGroupCmdBoss));
    if (!NOTES_CHECK_NIL(groupCmd))
        return false;
    InterfacePtr<IGroupCmdData> groupCmdData(groupCmd, IID_IGROUPCMDDATA);
    InterfacePtr<IHierarchy> hierarchy(frame, IID_IHIERARCHY);
    if (!NOTES_CHECK_NIL(groupCmdData) || !NOTES_CHECK_NIL(hierarchy))
        return false;
    groupCmdData->SetTargetParent(hierarchy->GetParentUID());
    UIDList items(frame);
    items.Append(callout.GetUID());
    groupCmd->SetItemList(items);
    if (CmdUtils::ProcessCommand(groupCmd) != kSuccess) {
        NOTES_LOG_FAILED("groupCmd");
        return false;
    }
    return true;
}

bool NotesCreateFreeTextAnnotationCmd::LinkPopup(const UIDRef& frame) {
    InterfacePtr<IUIDData> refUIDData(this, IID_INOTESANNOTATIONREFERENCE);
    InterfacePtr<IUIDData> annotReference(frame, IID_INOTESANNOTATIONREFERENCE);
    if (!NOTES_CHECK_NIL(refUIDData) || !NOTES_CHECK_NIL(annotReference))
        return false;
    annotReference->Set(refUIDData->GetUID());
    return true;
}

void NotesCreateFreeTextAnnotationCmd::Do() {
    ErrorCode status = kFailure;
    do {
        if (!NOTES_CHECK_TRUE(GetItemList()->Length() == 1))
            break;
        InterfacePtr<INotesDrawMarkupAnnotationData> freeTextAnnotationCmdData(
            this, IID_INOTESDRAWMARKUPANNOTATIONDATA);
        InterfacePtr<INotesAnnotation> annotationCmdData(this, IID_INOTESANNOTATION);
        if (!NOTES_CHECK_NIL(freeTextAnnotationCmdData) || !NOTES_CHECK_NIL(annotationCmdData))
            break;
        const PMPointList points = annotationCmdData->GetPoints();
        if (!ArePointsUsable(points))
            break;
        const UIDRef parent = GetItemList()->GetRef(0);
        PMRect bounds(points[0], points[1]);
        bounds.Normalize();
        const UIDRef frame = NotesAnnotationTextFrame::Create(parent, kNotesFreeTextAnnotationBoss, bounds);
        if (frame.GetUID() == kInvalidUID ||
            !NotesAnnotationTextFrame::InsertContent(frame, annotationCmdData->GetContent()) ||
            !ApplyFrameLook(frame, freeTextAnnotationCmdData))
            break;
        UIDRef callout;
        if (points.size() > kMinPoints) {
            callout = CreateCallout(parent, bounds, points, freeTextAnnotationCmdData);
            if (callout.GetUID() == kInvalidUID || !Group(frame, callout))
                break;
        }
        if (!NotesCreateStickyNoteCmd::SetNoTextWrap(frame) ||
            (callout.GetUID() != kInvalidUID && !NotesCreateStickyNoteCmd::SetNoTextWrap(callout)) ||
            !NotesSaveAnnotationCmd::SaveRecord(frame, annotationCmdData) || !LinkPopup(frame))
            break;
        fItemList = UIDList(frame);
        status = kSuccess;
    } while (false);
    ErrorUtils::PMSetGlobalErrorCode(status);
}

PMString* NotesCreateFreeTextAnnotationCmd::CreateName() {
    return new PMString(NOTES_KEY(kNotesCreateFreeTextAnnotationCmdNameKey));
}
