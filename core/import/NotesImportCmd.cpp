#include "NotesImportCmd.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "INotesAnnotation.h"
#include "INotesAnnotsManager.h"
#include "INotesColorManager.h"
#include "INotesImportPlanData.h"
#include "INotesImportSettings.h"
#include "INotesImportUtils.h"
#include "INotesLayerManager.h"
#include "INotesTextProfile.h"
#include "NotesAnnotationCreator.h"
#include "NotesPDFAnnotationReader.h"
#include "NotesPDFPageFrame.h"
#include "NotesPageFit.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/IDocument.h"
#include "host/document/IGeometry.h"
#include "host/document/IPageList.h"
#include "host/document/ISpread.h"
#include "host/document/ISpreadList.h"
#include "host/document/ITransform.h"
#include "host/notify/IChangeBroadcastUtils.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/RangeProgressBar.h"
#include "host/util/StringUtils.h"
#include "NotesFailureLog.h"

namespace {
using A = INotesAnnotation;

} // namespace

bool NotesImportCmd::PrepareLayer() {
    InterfacePtr<INotesLayerManager> notesLayerManager(fRun.document, IID_INOTESLAYERMANAGER);
    if (!NOTES_CHECK_NIL(notesLayerManager))
        return false;
    UID layerUID = kInvalidUID;
    if (!notesLayerManager->HasNotesLayer()) {
        layerUID = notesLayerManager->GetNotesLayerUID();
    } else {
        InterfacePtr<IUIDData> layerReference(fRun.document, IID_INOTESDOCLAYERREFERENCE);
        if (!NOTES_CHECK_NIL(layerReference))
            return false;
        layerUID = layerReference->GetUID();
    }
    fAnnotationLayer = layerUID;
    return NOTES_CHECK_TRUE(layerUID != kInvalidUID);
}

// The plan the caller showed the user, else one made now: either way the PDF is opened once.
NotesImportPlan NotesImportCmd::TakePlan(const INotesImportSettings* settings) {
    InterfacePtr<INotesImportPlanData> planData(this, IID_INOTESIMPORTPLANDATA);
    if (planData && planData->GetPlan())
        return *planData->GetPlan();
    Utils<INotesImportUtils> importUtils;
    if (!NOTES_CHECK_NIL(importUtils)) {
        NotesImportPlan none;
        none.failure = NotesImportPlan::kNoPDFLibrary;
        return none;
    }
    NotesImportPlan plan =
        importUtils->PlanImport(settings->GetPDFPath(), fRun.document, settings->GetPageOffset());
    if (planData)
        planData->SetPlan(plan);
    return plan;
}

bool NotesImportCmd::PrepareDefaultColor() {
    InterfacePtr<INotesColorManager> colorManager(fRun.document, IID_INOTESCOLORMANAGER);
    if (!NOTES_CHECK_NIL(colorManager))
        return false;
    fRun.mDefaultColorUID = colorManager->GetColor({1.0, 0.0, 0.0}, A::kLineAnnotation);
    return NOTES_CHECK_TRUE(fRun.mDefaultColorUID != kInvalidUID);
}

bool NotesImportCmd::Admits(const INotesImportSettings* settings, int32 type) {
    switch (A::SubTypeOf(type)) {
    case A::kTextMarkupType:
        return A::IsRedactionType(type) ? settings->GetImportTextEdits() : settings->GetImportTextMarkups();
    case A::kPageItemType:
        return type == A::kStickyNoteAnnotation ? settings->GetImportStickyNotes()
                                                : settings->GetImportDrawings();
    default:
        return type == A::kPopupAnnotation;
    }
}

bool NotesImportCmd::PageTarget(const NotesImportPlan::Target& target, bool16 spreads, UIDRef* transformItem,
                                PMRect* pageBounds, PMPoint* firstPageLeftTop, UID* targetLayer) {
    IDataBase* db = fRun.database;
    InterfacePtr<ISpread> spread(UIDRef(db, target.spread), IID_ISPREAD);
    if (!NOTES_CHECK_NIL(spread) || !NOTES_CHECK_TRUE(target.page != kInvalidUID))
        return false;
    InterfacePtr<ITransform> transform(UIDRef(db, target.page), IID_ITRANSFORM);
    InterfacePtr<IGeometry> geometry(UIDRef(db, target.page), IID_IGEOMETRY);
    if (!NOTES_CHECK_NIL(transform) || !NOTES_CHECK_NIL(geometry))
        return false;
    *transformItem = UIDRef(db, target.page);
    *firstPageLeftTop = geometry->GetPathBoundingBox().LeftTop();
    *pageBounds = spreads ? spread->GetPagesBounds() : geometry->GetPathBoundingBox();
    *targetLayer = spread->GetSpreadLayerUID(fAnnotationLayer, ISpread::kContentLayer);
    return true;
}

bool NotesImportCmd::ImportPage(int32 k, const NotesImportPlan& plan, const INotesImportSettings* settings) {
    const PDPage page = PDDocAcquirePage(plan.pdf.get(), plan.pdfStart + k);
    const PMRect pdfBox = NotesPageFit::PDFPageBox(page);
    UIDRef transformItem;
    PMRect pageBounds;
    PMPoint leftTop;
    UID targetLayer = kInvalidUID;
    if (!PageTarget(plan.targets[static_cast<size_t>(k)], plan.spreads, &transformItem, &pageBounds, &leftTop,
                    &targetLayer))
        return false;
    if (targetLayer == kInvalidUID)
        return true;
    // The plan has tested that every paired page fits. The PDF box's left and lower edges land on the
    // page bounds' left and top edges; the origin is chosen so that this holds whatever the page's
    // inner coordinates are.
    const PMPoint origin(pdfBox.Left() - leftTop.X(), pdfBox.Top() + leftTop.Y());
    InterfacePtr<ITransform> pageTransform(transformItem, IID_ITRANSFORM);
    const NotesPDFPageFrame frame(pdfBox, origin, pageBounds.Height(), [&](const PMPoint& p) {
        PMPoint q = p;
        pageTransform->TransformInnerPointToPasteboard(&q);
        return q;
    });
    NotesAnnotationCreator creator(fRun, frame, targetLayer);
    for (ASInt32 i = 0; i < PDPageGetNumAnnots(page); ++i)
        ImportAnnotation(PDPageGetAnnot(page, i), settings, creator);
    return true;
}

void NotesImportCmd::ImportAnnotation(PDAnnot annot, const INotesImportSettings* settings,
                                      NotesAnnotationCreator& creator) {
    if (!PDAnnotIsValid(annot))
        return;
    const CosObj dict = PDAnnotGetCosObj(annot);
    const A::NotesAnnotationType type = NotesPDFAnnotationReader::TypeOfSubtype(PDAnnotGetSubtype(annot));
    if (type == A::kUnknownAnnotation || !Admits(settings, type) || !fRun.MeetsFirstTime(dict))
        return;
    const NotesPDFAnnotationRead read = NotesPDFAnnotationReader::Read(annot);
    // The flags come first in the reading: an invisible or hidden annotation stays out even when a
    // later value of it is broken.
    if (read.values.IsHidden())
        return;
    // A popup belongs to its note: it is counted with it, not as a comment of its own, so a PDF
    // whose notes are all left out has nothing imported even though their popups were read.
    if (type != A::kPopupAnnotation)
        ++fAnnotationsRead;
    if (!read.IsRead()) {
        NOTES_LOG_FAILED("NotesPDFAnnotationReader::Read(annot)");
        ++fRun.failureCount;
        return;
    }
    const UIDList made = creator.Create(read.values);
    for (UID uid : made.GetUIDs())
        fRun.Map(uid, dict);
    if (A::SubTypeOf(read.values.type) == A::kTextMarkupType && !made.IsEmpty())
        fMarkupRuns.push_back(made);
    if ((type == A::kStrikethroughAnnotation || type == A::kCaretAnnotation) && !made.IsEmpty())
        fJoiner.Add(type == A::kCaretAnnotation, dict, read.values.inReplyTo, read.values.popup,
                    read.values.author.value_or(PMString()), made);
    if (made.IsEmpty())
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
}

void NotesImportCmd::ImportPages(const NotesImportPlan& plan, const INotesImportSettings* settings) {
    RangeProgressBar progress(
        PMString(NOTES_KEY(kNotesProgressBarTaskNameKey), PMString::kTranslateDuringCall), 0,
        std::max(plan.pairCount, 1));
    for (int32 k = 0; k < static_cast<int32>(plan.targets.size()); ++k) {
        if (!ImportPage(k, plan, settings))
            break;
        PMString task(NOTES_KEY(kNotesProgressBarPageNumKey), PMString::kTranslateDuringCall);
        PMString number;
        number.AppendNumber(k + 1);
        StringUtils::ReplaceStringParameters(&task, number);
        progress.SetTaskText(task);
        progress.SetPosition(k + 1);
    }
}

void NotesImportCmd::ApplyTextMarkups() {
    UIDList markups(fRun.database);
    std::unordered_set<UID> listed;
    for (const auto& [uid, dict] : fRun.mAnnotationMapping) {
        InterfacePtr<INotesAnnotation> annotation(UIDRef(fRun.database, uid), IID_INOTESANNOTATION);
        if (annotation && annotation->GetSubType() == A::kTextMarkupType && listed.insert(uid).second)
            markups.Append(uid);
    }
    if (markups.IsEmpty())
        return;
    InterfacePtr<ICommand> setTextMarkupsCmd(CmdUtils::CreateCommand(kNotesSetTextMarkupCmdBoss));
    if (!NOTES_CHECK_NIL(setTextMarkupsCmd))
        return;
    setTextMarkupsCmd->SetItemList(markups);
    if (CmdUtils::ProcessCommand(setTextMarkupsCmd) != kSuccess) {
        NOTES_LOG_FAILED("setTextMarkupsCmd");
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
    CountMarkupsNotAnchored(listed, *setTextMarkupsCmd->GetItemList());
}

void NotesImportCmd::CountMarkupsNotAnchored(const std::unordered_set<UID>& listed, const UIDList& anchored) {
    // A PDF markup fails when none of its runs made it into the text (a duplicate of another
    // markup, or a run that no longer fits its story): it was created but is not in the document.
    // A markup none of whose runs exists any more (deleted meanwhile) is not counted here.
    const std::unordered_set<UID> inText(anchored.GetUIDs().begin(), anchored.GetUIDs().end());
    for (const UIDList& runs : fMarkupRuns) {
        const auto& uids = runs.GetUIDs();
        const bool anyListed =
            std::any_of(uids.begin(), uids.end(), [&](UID uid) { return listed.contains(uid); });
        const bool anyInText =
            std::any_of(uids.begin(), uids.end(), [&](UID uid) { return inText.contains(uid); });
        if (anyListed && !anyInText)
            ++fRun.failureCount;
    }
}

// A popup without its owner, or whose owner may not open one (a free text), could never be closed.
bool NotesImportCmd::IsOrphan(UID owner) const {
    if (!fRun.database->IsValidUID(owner))
        return true;
    InterfacePtr<INotesAnnotation> annotation(UIDRef(fRun.database, owner), IID_INOTESANNOTATION);
    return annotation && !annotation->CanShowPopup();
}

void NotesImportCmd::UnlinkOwner(UID owner, UID popup) {
    if (!fRun.database->IsValidUID(owner))
        return;
    InterfacePtr<IUIDData> ownerReference(UIDRef(fRun.database, owner), IID_INOTESANNOTATIONREFERENCE);
    if (ownerReference && ownerReference->GetUID() == popup)
        ownerReference->Set(kInvalidUID);
}

void NotesImportCmd::RemoveOrphanPopups() {
    UIDList orphans(fRun.database);
    std::unordered_set<UID> listed;
    for (const auto& [uid, dict] : fRun.mAnnotationMapping) {
        InterfacePtr<INotesAnnotation> annotation(UIDRef(fRun.database, uid), IID_INOTESANNOTATION);
        if (!annotation || annotation->GetType() != A::kPopupAnnotation)
            continue;
        InterfacePtr<IUIDData> annotReference(UIDRef(fRun.database, uid), IID_INOTESANNOTATIONREFERENCE);
        if (!NOTES_CHECK_NIL(annotReference))
            continue;
        if (IsOrphan(annotReference->GetUID()) && listed.insert(uid).second) {
            orphans.Append(uid);
            UnlinkOwner(annotReference->GetUID(), uid);
        }
    }
    if (orphans.IsEmpty())
        return;
    InterfacePtr<ICommand> deleteCmd(CmdUtils::CreateCommand(kDeleteCmdBoss));
    if (!NOTES_CHECK_NIL(deleteCmd))
        return;
    deleteCmd->SetItemList(orphans);
    if (CmdUtils::ProcessCommand(deleteCmd) != kSuccess) {
        NOTES_LOG_FAILED("deleteCmd");
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
}

void NotesImportCmd::StoreFailureCount() {
    InterfacePtr<IIntData> errorCodeData(this, IID_IINTDATA);
    if (NOTES_CHECK_NIL(errorCodeData))
        errorCodeData->Set(fRun.failureCount);
    InterfacePtr<INotesImportPlanData> planData(this, IID_INOTESIMPORTPLANDATA);
    if (planData)
        planData->SetOutcome(fAnnotationsRead, std::max(fAnnotationsRead - fRun.failureCount, 0));
}

void NotesImportCmd::Do() {
    fRun = NotesImportRun();
    fJoiner = NotesReplacementJoiner(GetItemList()->GetDataBase());
    fMarkupRuns.clear();
    fAnnotationsRead = 0;
    ErrorCode status = kFailure;
    do {
        if (!NOTES_CHECK_TRUE(GetItemList()->Length() == 1))
            break;
        fRun.database = GetItemList()->GetDataBase();
        fRun.document = GetItemList()->GetRef(0);
        StoreFailureCount();
        InterfacePtr<INotesImportSettings> importSettings(this, IID_INOTESIMPORTSETTINGS);
        if (!NOTES_CHECK_NIL(importSettings))
            break;
        // A PDF that cannot be imported at all ends the import as a failure before anything changes;
        // the plan's sentence says why.
        const NotesImportPlan plan = TakePlan(importSettings);
        if (!NOTES_CHECK_TRUE(plan.IsImportable()) || !PrepareLayer())
            break;
        InterfacePtr<INotesAnnotsManager> notesAnnotsManager(fRun.document, IID_INOTESANNOTSMANAGER);
        InterfacePtr<IDocument> document(fRun.document, IID_IDOCUMENT);
        InterfacePtr<INotesTextProfile> textModelProfile(fRun.document, IID_INOTESTEXTPROFILE);
        if (!NOTES_CHECK_NIL(notesAnnotsManager) || !NOTES_CHECK_NIL(document) ||
            !NOTES_CHECK_NIL(textModelProfile))
            break;
        // One build of the text areas serves every text markup of this import.
        textModelProfile->Invalidate();
        textModelProfile->Update();
        if (!PrepareDefaultColor())
            break;
        // An error while reading pages ends the page loop only.
        DURING
        ImportPages(plan, importSettings);
        HANDLER
        NOTES_LOG_FAILED("ImportPages(plan, importSettings)");
        END_HANDLER
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
        ApplyTextMarkups();
        fJoiner.Join();
        StoreFailureCount();
        RemoveOrphanPopups();
        status = kSuccess;
    } while (false);
    ReleasePDF();
    ErrorUtils::PMSetGlobalErrorCode(status);
}

// The PDF closes when the run ends; the plan stays readable for the caller.
void NotesImportCmd::ReleasePDF() {
    InterfacePtr<INotesImportPlanData> planData(this, IID_INOTESIMPORTPLANDATA);
    if (!planData || !planData->GetPlan())
        return;
    NotesImportPlan plan = *planData->GetPlan();
    plan.pdf.reset();
    planData->SetPlan(plan);
}

void NotesImportCmd::DoNotify() {
    if (!NOTES_CHECK_TRUE(GetItemList()->Length() == 1))
        return;
    Utils<IChangeBroadcastUtils> broadcast;
    if (broadcast)
        broadcast->Broadcast(kNotesImportCmdBoss, IID_INOTESANNOTATIONLIST, GetItemList()->GetDataBase(),
                             this);
}

PMString* NotesImportCmd::CreateName() {
    return new PMString(NOTES_KEY(kNotesImportCmdNameKey));
}
