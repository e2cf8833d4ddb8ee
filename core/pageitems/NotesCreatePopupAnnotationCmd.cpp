#include "NotesCreatePopupAnnotationCmd.h"

#include "INotesAnnotation.h"
#include "INotesDrawMarkupAnnotationData.h"
#include "INotesViewUtils.h"
#include "NotesAnnotationTextFrame.h"
#include "NotesCreateStickyNoteCmd.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/IGraphicAttributeUtils.h"
#include "host/document/IGraphicStyleAttributeBossList.h"
#include "host/document/IHierarchy.h"
#include "host/document/ISpread.h"
#include "host/document/ISwatchUtils.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/ITextInset.h"
#include "NotesFailureLog.h"
#include "model/NotesSaveAnnotationCmd.h"

bool NotesCreatePopupAnnotationCmd::FramePoints(const UIDRef& parent, PMPointList* points) {
    if (points->size() <= 2)
        return true;
    InterfacePtr<IHierarchy> hierarchy(parent, IID_IHIERARCHY);
    if (!NOTES_CHECK_NIL(hierarchy))
        return false;
    const UIDRef spreadRef(parent.GetDataBase(), hierarchy->GetSpreadUID());
    InterfacePtr<ISpread> spread(spreadRef, IID_ISPREAD);
    if (!NOTES_CHECK_NIL(spread))
        return false;
    Utils<INotesViewUtils> viewUtils;
    if (!NOTES_CHECK_NIL(viewUtils))
        return false;
    const PMRect rect = viewUtils->GetPopupBounds(spreadRef, PMRect((*points)[0], (*points)[1]).GetCenter());
    *points = {rect.LeftTop(), rect.RightBottom()};
    return true;
}

bool NotesCreatePopupAnnotationCmd::ApplyLook(const UIDRef& popup, UID fillColor) {
    Utils<ISwatchUtils> swatchUtils;
    if (!NOTES_CHECK_NIL(swatchUtils))
        return false;
    const UID stroke = swatchUtils->GetBlackSwatchUID(popup.GetDataBase());
    return NotesAnnotationTextFrame::ApplyAttributes(
        popup, [&](IGraphicAttributeUtils* utils, IGraphicStyleAttributeBossList* list) {
            return NOTES_CHECK_SUCCESS(utils->AddStrokeWeightAttribute(list, kStrokeWeight)) &&
                   NOTES_CHECK_SUCCESS(utils->AddStrokeRenderingAttribute(list, stroke)) &&
                   NOTES_CHECK_SUCCESS(utils->AddFillRenderingAttribute(list, fillColor)) &&
                   NOTES_CHECK_SUCCESS(utils->AddCornerSizeAttribute(list, kCornerSize)) &&
                   NOTES_CHECK_SUCCESS(utils->AddCornerEffectAttribute(list, kRoundedCornerBoss));
        });
}

void NotesCreatePopupAnnotationCmd::LinkOwner(const UIDRef& owner, UID popup) {
    if (owner.GetUID() == kInvalidUID || !owner.GetDataBase()->IsValidUID(owner.GetUID()))
        return; // an orphan: the import removes it after its page loop
    InterfacePtr<IUIDData> ownerReference(owner, IID_INOTESANNOTATIONREFERENCE);
    if (ownerReference && !owner.GetDataBase()->IsValidUID(ownerReference->GetUID()))
        ownerReference->Set(popup);
}

bool NotesCreatePopupAnnotationCmd::LinkAndInset(const UIDRef& popup) {
    InterfacePtr<IUIDData> refUIDData(this, IID_INOTESANNOTATIONREFERENCE);
    InterfacePtr<IUIDData> popupReference(popup, IID_INOTESANNOTATIONREFERENCE);
    InterfacePtr<ITextInset> textInset(popup, IID_ITEXTINSET);
    if (!NOTES_CHECK_NIL(refUIDData) || !NOTES_CHECK_NIL(popupReference) || !NOTES_CHECK_NIL(textInset))
        return false;
    popupReference->Set(refUIDData->GetUID());
    LinkOwner(UIDRef(popup.GetDataBase(), refUIDData->GetUID()), popup.GetUID());
    textInset->SetInset(kTextInset, kTextInset, kTextInset, kTextInset);
    return true;
}

void NotesCreatePopupAnnotationCmd::Do() {
    ErrorCode status = kFailure;
    do {
        if (!NOTES_CHECK_TRUE(GetItemList()->Length() == 1))
            break;
        InterfacePtr<INotesAnnotation> annotationCmdData(this, IID_INOTESANNOTATION);
        InterfacePtr<INotesDrawMarkupAnnotationData> drawMarkupAnnotCmdData(
            this, IID_INOTESDRAWMARKUPANNOTATIONDATA);
        if (!NOTES_CHECK_NIL(annotationCmdData) || !NOTES_CHECK_NIL(drawMarkupAnnotCmdData))
            break;
        PMPointList points = annotationCmdData->GetPoints();
        if (!NOTES_CHECK_TRUE(points.size() > 0))
            break;
        if (points.size() == 1)
            points.push_back(points[0]);
        const UIDRef parent = GetItemList()->GetRef(0);
        if (!FramePoints(parent, &points))
            break;
        PMRect bounds(points[0], points[1]);
        bounds.Normalize();
        const UIDRef popup = NotesAnnotationTextFrame::Create(parent, kNotesPopupAnnotationBoss, bounds);
        if (popup.GetUID() == kInvalidUID)
            break;
        if (!NotesAnnotationTextFrame::InsertContent(popup, annotationCmdData->GetContent()) ||
            !ApplyLook(popup, drawMarkupAnnotCmdData->GetMainColor()) ||
            !NotesCreateStickyNoteCmd::SetNoTextWrap(popup) ||
            !NotesSaveAnnotationCmd::SaveRecord(popup, annotationCmdData) || !LinkAndInset(popup))
            break;
        fItemList = UIDList(popup);
        status = kSuccess;
    } while (false);
    ErrorUtils::PMSetGlobalErrorCode(status);
}

PMString* NotesCreatePopupAnnotationCmd::CreateName() {
    return new PMString(NOTES_KEY(kNotesCreatePopupAnnotationCmdNameKey));
}
