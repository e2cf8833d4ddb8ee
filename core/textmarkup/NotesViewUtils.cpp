#include "NotesViewUtils.h"

#include <algorithm>
#include <cmath>

#include "INotesAnnotationList.h"
#include "INotesMasterPageList.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ICommand.h"
#include "host/database/IDataBase.h"
#include "host/document/IDocument.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/IPageList.h"
#include "host/document/ISpread.h"
#include "host/graphics/IPageItemAdornmentList.h"
#include "host/layout/IActiveContext.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/selection/ISelectionManager.h"
#include "host/text/IAttributeStrand.h"
#include "host/text/IFrameUtils.h"
#include "host/text/IItemStrand.h"
#include "host/text/IMultiColumnTextFrame.h"
#include "host/text/ITextModel.h"
#include "host/text/ITextModelCmds.h"
#include "lifecycle/NotesCommands.h"
#include "NotesFailureLog.h"
#include "textmarkup/NotesMarkedRun.h"
#include "textmarkup/NotesTextMarkupClasses.h"

namespace {
using A = INotesAnnotation;

// A popup is this wide and high; beside a page it is centred on the point's height.
constexpr PMReal kPopupWidth = 180.0;
constexpr PMReal kPopupHeight = 120.0;
constexpr PMReal kNoDistance = 100000.0;

void AppendAnnotationsOfPage(IDataBase* database, UID page, UIDList* all) {
    InterfacePtr<INotesAnnotationList> annotationList(UIDRef(database, page), IID_INOTESANNOTATIONLIST);
    if (!NOTES_CHECK_NIL(annotationList))
        return;
    const UIDList annotations = annotationList->GetAnnotations();
    for (UID annotation : annotations.GetUIDs())
        all->Append(annotation);
}

// Whether a character of the range carries an attribute of the class; emphasis of overlapping
// markups can leave the run's first character without it while later ones keep it.
bool AnyCharacterCarries(const IAttributeStrand* attributeStrand, RangeData range, ClassID attributeClass) {
    for (const AttributeRun& run : attributeStrand->CopyRuns(range))
        if (run.attributes.ContainsAttribute(attributeClass))
            return true;
    return false;
}

// The frame's text frame: the item itself, or the first text frame among its children (a
// free-text annotation keeps its text in a frame inside its group).
UIDRef TextFrameOf(const UIDRef& item) {
    Utils<IFrameUtils> frameUtils;
    InterfacePtr<IHierarchy> hierarchy(item, IID_IHIERARCHY);
    if (!frameUtils || !hierarchy)
        return UIDRef();
    if (InterfacePtr<IMultiColumnTextFrame> own(frameUtils->QueryMultiColumnTextFrame(hierarchy)); own)
        return item;
    for (int32 i = 0; i < hierarchy->GetChildCount(); ++i) {
        InterfacePtr<IHierarchy> child(hierarchy->QueryChild(i));
        if (InterfacePtr<IMultiColumnTextFrame> frame(frameUtils->QueryMultiColumnTextFrame(child)); frame)
            return UIDRef(item.GetDataBase(), hierarchy->GetChildUID(i));
    }
    return UIDRef();
}

std::u16string WithoutLineFeeds(const PMString& text) {
    std::u16string kept = text.GetUTF16();
    kept.erase(std::remove(kept.begin(), kept.end(), u'\n'), kept.end());
    return kept;
}
} // namespace

void NotesViewUtils::SetEmphasis(const UIDList& annotations, bool16 on) {
    IDataBase* database = annotations.GetDataBase();
    for (UID uid : annotations.GetUIDs()) {
        InterfacePtr<INotesAnnotation> annotation(UIDRef(database, uid), IID_INOTESANNOTATION);
        if (!NOTES_CHECK_NIL(annotation))
            continue;
        if (annotation->GetSubType() == A::kTextMarkupType) {
            SetTextEmphasis(UIDRef(database, uid), on);
            continue;
        }
        InterfacePtr<IPageItemAdornmentList> adornments(annotation, IID_IPAGEITEMADORNMENTLIST);
        if (!NOTES_CHECK_NIL(adornments))
            continue;
        const bool shown = adornments->HasAdornment(kNotesDrawingMarkupAdornmentBoss);
        if (on && !shown)
            adornments->AddAdornment(kNotesDrawingMarkupAdornmentBoss);
        else if (!on && shown)
            adornments->RemoveAdornment(kNotesDrawingMarkupAdornmentBoss);
    }
}

void NotesViewUtils::SetDocumentEmphasis(IDocument* document, bool16 on) {
    if (!NOTES_CHECK_NIL(document))
        return;
    IDataBase* database = ::GetDataBase(document);
    InterfacePtr<INotesMasterPageList> masterPageList(document, IID_INOTESMASTERPAGELIST);
    InterfacePtr<IPageList> pageList(document, IID_IPAGELIST);
    if (!NOTES_CHECK_NIL(masterPageList) || !NOTES_CHECK_NIL(pageList))
        return;
    UIDList all(database);
    for (int32 i = 0; i < masterPageList->GetMasterPageCount(); ++i)
        AppendAnnotationsOfPage(database, masterPageList->GetNthMasterPage(i), &all);
    for (int32 i = 0; i < pageList->GetPageCount(); ++i)
        AppendAnnotationsOfPage(database, pageList->GetNthPageUID(i), &all);
    SetEmphasis(all, on);
}

void NotesViewUtils::SelectAnnotation(const UIDRef& annotationRef) {
    InterfacePtr<INotesAnnotation> annotation(annotationRef, IID_INOTESANNOTATION);
    InterfacePtr<IActiveContext> activeContext(GetApplicationObject(), IID_IACTIVECONTEXT);
    if (!NOTES_CHECK_NIL(annotation) || !NOTES_CHECK_NIL(activeContext))
        return;
    ISelectionManager* selectionManager = activeContext->GetContextSelection();
    if (!NOTES_CHECK_NIL(selectionManager))
        return;
    if (annotation->GetSubType() != A::kTextMarkupType) {
        selectionManager->SelectPageItems(UIDList(annotationRef));
        return;
    }
    UIDRef story;
    RangeData range;
    if (GetMarkedText(annotationRef, &story, &range))
        selectionManager->SelectText(story, range);
}

bool16 NotesViewUtils::GetMarkedText(const UIDRef& annotation, UIDRef* story, RangeData* range) {
    NotesMarkedRun run;
    if (!NotesMarkedRun::Find(annotation, &run) || !NOTES_CHECK_TRUE(run.start != -1) ||
        !NOTES_CHECK_TRUE(run.end != -1))
        return kFalse;
    *story = run.story;
    *range = run.Range();
    return kTrue;
}

void NotesViewUtils::SetTextEmphasis(const UIDRef& annotation, bool16 on) {
    NotesMarkedRun run;
    if (!NotesMarkedRun::Find(annotation, &run) || !run.IsAnchored())
        return;
    InterfacePtr<IAttributeStrand> attributeStrand(run.story, IID_IATTRIBUTESTRAND);
    if (!NOTES_CHECK_NIL(attributeStrand))
        return;
    const RangeData range = run.Range();
    const RangeData emphasised = attributeStrand->GetAttributeRange(range.Start(), kNotesTextMarkupAttrBoss);
    const bool shown = emphasised.Start() <= range.Start() && emphasised.End() >= range.End();
    if (on && !shown)
        NotesCommands::ApplyAttribute(run.story, range, kNotesTextMarkupAttrBoss, annotation.GetUID(),
                                      "applyTextAttrCmd", ICommand::kAutoUndo);
    else if (!on && AnyCharacterCarries(attributeStrand, range, kNotesTextMarkupAttrBoss))
        NotesCommands::ClearAttribute(run.story, range, kNotesTextMarkupAttrBoss, "clearTextAttrCmd",
                                      ICommand::kAutoUndo);
}

void NotesViewUtils::ReapplyMarkup(const UIDList& annotations) {
    for (int32 i = 0; i < annotations.Length(); ++i) {
        NotesMarkedRun run;
        if (!NotesMarkedRun::Find(annotations.GetRef(i), &run))
            continue;
        const TextIndex startIndex = run.start;
        if (!NOTES_CHECK_TRUE(startIndex != -1) || !NOTES_CHECK_TRUE(run.end != -1))
            continue;
        const RangeData range = run.Range();
        if (!NOTES_CHECK_TRUE(range.End() != range.Start(nil)))
            continue;
        NotesCommands::ApplyAttribute(run.story, range, run.AttributeClass(), run.endMarker,
                                      "applyTextAttrCmd");
    }
}

void NotesViewUtils::UpdatePopupText(INotesAnnotation* annotation) {
    if (!NOTES_CHECK_NIL(annotation) || !annotation->IsPopupShown())
        return;
    InterfacePtr<IUIDData> annotReference(annotation, IID_INOTESANNOTATIONREFERENCE);
    if (!NOTES_CHECK_NIL(annotReference) || !NOTES_CHECK_TRUE(annotReference->GetUID() != kInvalidUID))
        return;
    ReplaceFrameText(TextFrameOf(UIDRef(::GetDataBase(annotation), annotReference->GetUID())),
                     annotation->GetContent());
}

void NotesViewUtils::UpdateFreeTextFrame(INotesAnnotation* annotation) {
    if (!NOTES_CHECK_NIL(annotation) ||
        !NOTES_CHECK_TRUE(annotation->GetType() == INotesAnnotation::kFreeTextAnnotation))
        return;
    ReplaceFrameText(TextFrameOf(UIDRef(::GetDataBase(annotation), ::GetUID(annotation))),
                     annotation->GetContent());
}

bool NotesViewUtils::ReplaceFrameText(const UIDRef& frame, const PMString& text) {
    Utils<IFrameUtils> frameUtils;
    InterfacePtr<IHierarchy> frameObject(frame, IID_IHIERARCHY);
    if (!NOTES_CHECK_NIL(frameUtils) || !NOTES_CHECK_NIL(frameObject))
        return false;
    InterfacePtr<IMultiColumnTextFrame> multiColumnTextFrame(
        frameUtils->QueryMultiColumnTextFrame(frameObject));
    if (!NOTES_CHECK_NIL(multiColumnTextFrame))
        return false;
    InterfacePtr<ITextModel> textModel(multiColumnTextFrame->QueryTextModel());
    if (!NOTES_CHECK_NIL(textModel))
        return false;
    InterfacePtr<ITextModelCmds> textModelCmds(textModel, IID_ITEXTMODELCMDS);
    if (!NOTES_CHECK_NIL(textModelCmds))
        return false;
    // Everything but the story's closing paragraph return, which every story keeps.
    const int32 replaced = std::max<int32>(textModel->TotalLength() - 1, 0);
    InterfacePtr<ICommand> replaceCmd(
        textModelCmds->ReplaceCmd(0, replaced, WideString(WithoutLineFeeds(text))));
    if (!NOTES_CHECK_NIL(replaceCmd))
        return false;
    if (CmdUtils::ProcessCommand(replaceCmd) != kSuccess) {
        NOTES_LOG_FAILED("replaceCmd");
        return false;
    }
    InterfacePtr<ICommand> fitFrameToContentCmd(CmdUtils::CreateCommand(kFitFrameToContentCmdBoss));
    if (!NOTES_CHECK_NIL(fitFrameToContentCmd))
        return false;
    fitFrameToContentCmd->SetItemList(UIDList(frame));
    if (CmdUtils::ProcessCommand(fitFrameToContentCmd) != kSuccess) {
        NOTES_LOG_FAILED("fitFrameToContentCmd");
        return false;
    }
    return true;
}

ClassID NotesViewUtils::GetTextAttributeClass(A::NotesAnnotationType type) {
    return NotesTextMarkupClasses::AttributeClassOf(type);
}

ClassID NotesViewUtils::GetEndMarkerClass(A::NotesAnnotationType type) {
    return NotesTextMarkupClasses::EndMarkerClassOf(type);
}

PMRect NotesViewUtils::GetPopupBounds(const UIDRef& spread, const PMPoint& point) {
    const PMRect atPoint(point.X(), point.Y(), point.X() + kPopupWidth, point.Y() + kPopupHeight);
    InterfacePtr<ISpread> spreadObject(spread, IID_ISPREAD);
    Utils<ILayoutUtils> layoutUtils;
    if (!spreadObject || !layoutUtils)
        return atPoint;
    const int32 pageCount = spreadObject->GetNumPages();
    int32 nearest = -1;
    PMRect nearestBounds;
    PMReal best = kNoDistance;
    for (int32 i = 0; i < pageCount; ++i) {
        const PMRect bounds = layoutUtils->GetPageBoundsOnPasteboard(
            UIDRef(spread.GetDataBase(), spreadObject->GetNthPageUID(i)));
        const PMPoint centre = bounds.GetCenter();
        const PMReal distance = std::hypot(point.X() - centre.X(), point.Y() - centre.Y());
        if (distance + 1e-8 < best) {
            best = distance;
            nearest = i;
            nearestBounds = bounds;
        }
    }
    if (nearest < 0)
        return atPoint;
    const PMReal top = point.Y() - kPopupHeight / 2;
    const PMReal bottom = point.Y() + kPopupHeight / 2;
    if (nearest >= pageCount / 2) // a right-hand page: the popup goes to its right
        return PMRect(nearestBounds.Right(), top, nearestBounds.Right() + kPopupWidth, bottom);
    return PMRect(nearestBounds.Left() - kPopupWidth, top, nearestBounds.Left(), bottom);
}
