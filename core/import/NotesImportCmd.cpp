#include "NotesImportCmd.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "INotesAnnotation.h"
#include "INotesAnnotsManager.h"
#include "INotesColorManager.h"
#include "INotesImportSettings.h"
#include "INotesImportUtils.h"
#include "INotesLayerManager.h"
#include "INotesTextProfile.h"
#include "NotesAnnotationCreator.h"
#include "NotesPDFAnnotationReader.h"
#include "NotesPDFPageFrame.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/IDocument.h"
#include "host/document/IGeometry.h"
#include "host/document/IHierarchy.h"
#include "host/document/IPageList.h"
#include "host/document/ISpread.h"
#include "host/document/ISpreadList.h"
#include "host/document/ITransform.h"
#include "host/notify/IChangeBroadcastUtils.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/pdf/PDFLibraryRef.h"
#include "host/ui/RangeProgressBar.h"
#include "host/util/StringUtils.h"
#include "lifecycle/NotesFailureLog.h"

namespace {
using A = INotesAnnotation;

// Annotation flags that keep an annotation out of the import: invisible (1) and hidden (2).
constexpr int32 kInvisibleOrHidden = 0x1 | 0x2;

PMRect HostRectOf(const ASFixedRect& box) {
    PMRect rect(ASFixedToFloat(box.left), ASFixedToFloat(box.bottom), ASFixedToFloat(box.right),
                ASFixedToFloat(box.top));
    rect.Normalize(); // the top of the host rectangle is the box's lower edge in PDF space
    return rect;
}

PMRect PDFBoxOf(PDPage page) {
    ASFixedRect box;
    PDPageGetMediaBox(page, &box);
    ASFixedRect trim;
    if (PDPageGetBox(page, ASAtomFromString("TrimBox"), &trim))
        box = trim;
    return HostRectOf(box);
}
} // namespace

bool NotesImportCmd::PrepareLayer(Pairing* pairing) {
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
    pairing->annotationLayer = layerUID;
    return NOTES_CHECK_TRUE(layerUID != kInvalidUID);
}

bool NotesImportCmd::PreparePairing(const INotesImportSettings* settings, Pairing* pairing) {
    Utils<INotesImportUtils> importUtils;
    if (!NOTES_CHECK_NIL(importUtils))
        return false;
    const PMString path = settings->GetPDFPath();
    const int32 offset = settings->GetPageOffset();
    pairing->matchPages = importUtils->DoPagesMatch(path, fRun.document, offset) != kFalse;
    if (!pairing->matchPages)
        pairing->matchSpread = importUtils->DoSpreadsMatch(path, fRun.document, offset) != kFalse;
    const bool matchPages = pairing->matchPages, matchSpread = pairing->matchSpread;
    if (!NOTES_CHECK_TRUE(matchPages || matchSpread))
        return false;
    pairing->docStart = std::max(offset, 0);
    pairing->pdfStart = std::max(-offset, 0);
    if (!pairing->matchSpread)
        return true;
    InterfacePtr<IPageList> pageList(fRun.document, IID_IPAGELIST);
    InterfacePtr<ISpreadList> spreadList(fRun.document, IID_ISPREADLIST);
    if (!NOTES_CHECK_NIL(pageList) || !NOTES_CHECK_NIL(spreadList))
        return false;
    const UID startingPageUID = pageList->GetNthPageUID(pairing->docStart);
    if (!NOTES_CHECK_TRUE(startingPageUID != kInvalidUID))
        return false;
    InterfacePtr<IHierarchy> pageHierarchy(UIDRef(fRun.database, startingPageUID), IID_IHIERARCHY);
    if (!NOTES_CHECK_NIL(pageHierarchy))
        return false;
    const UID spreadUID = pageHierarchy->GetSpreadUID();
    if (!NOTES_CHECK_TRUE(spreadUID != kInvalidUID))
        return false;
    pairing->firstSpread = spreadList->GetSpreadIndex(spreadUID);
    return true;
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

int32 NotesImportCmd::AnnotationFlags(CosObj dict) {
    const CosObj flags = CosDictGetKeyString(dict, "F");
    return CosObjGetType(flags) == CosInteger ? CosIntegerValue(flags) : 0;
}

bool NotesImportCmd::PageTarget(int32 docIndex, const Pairing& pairing, int32 spreadIndex,
                                UIDRef* transformItem, PMRect* pageBounds, PMPoint* firstPageLeftTop,
                                UID* targetLayer) {
    IDataBase* db = fRun.database;
    UID pageUID = kInvalidUID;
    if (pairing.matchPages) {
        InterfacePtr<IPageList> pageList(fRun.document, IID_IPAGELIST);
        pageUID = pageList ? pageList->GetNthPageUID(docIndex) : kInvalidUID;
    } else {
        InterfacePtr<ISpreadList> spreadList(fRun.document, IID_ISPREADLIST);
        InterfacePtr<ISpread> spread(
            UIDRef(db, spreadList ? spreadList->GetNthSpreadUID(spreadIndex) : kInvalidUID), IID_ISPREAD);
        if (!NOTES_CHECK_NIL(spread))
            return false;
        pageUID = spread->GetNthPageUID(0);
        *pageBounds = spread->GetPagesBounds();
        *targetLayer = spread->GetSpreadLayerUID(pairing.annotationLayer, ISpread::kContentLayer);
    }
    if (!NOTES_CHECK_TRUE(pageUID != kInvalidUID))
        return false;
    InterfacePtr<ITransform> transform(UIDRef(db, pageUID), IID_ITRANSFORM);
    InterfacePtr<IGeometry> geometry(UIDRef(db, pageUID), IID_IGEOMETRY);
    if (!NOTES_CHECK_NIL(transform) || !NOTES_CHECK_NIL(geometry))
        return false;
    *transformItem = UIDRef(db, pageUID);
    *firstPageLeftTop = geometry->GetPathBoundingBox().LeftTop();
    if (pairing.matchPages) {
        *pageBounds = geometry->GetPathBoundingBox();
        InterfacePtr<INotesAnnotsManager> notesAnnotsManager(fRun.document, IID_INOTESANNOTSMANAGER);
        *targetLayer =
            notesAnnotsManager ? notesAnnotsManager->GetAnnotationSpreadLayer(docIndex) : kInvalidUID;
    }
    return true;
}

bool NotesImportCmd::ImportPage(PDDoc pdf, int32 k, const Pairing& pairing,
                                const INotesImportSettings* settings) {
    const int32 pdfIndex = pairing.pdfStart + k, docIndex = pairing.docStart + k;
    const PDPage page = PDDocAcquirePage(pdf, pdfIndex);
    const PMRect pdfBox = PDFBoxOf(page);

    InterfacePtr<IPageList> pageList(fRun.document, IID_IPAGELIST);
    InterfacePtr<ISpreadList> spreadList(fRun.document, IID_ISPREADLIST);
    const bool hasPage = pairing.matchPages && pageList && docIndex < pageList->GetPageCount();
    const int32 spreadIndex = pairing.firstSpread + k;
    const bool hasSpread = pairing.matchSpread && spreadList && spreadIndex < spreadList->GetSpreadCount();
    if (!hasPage && !hasSpread)
        return true; // a PDF page without a partner: read, nothing placed

    UIDRef transformItem;
    PMRect pageBounds;
    PMPoint leftTop;
    UID targetLayer = kInvalidUID;
    if (!PageTarget(docIndex, pairing, spreadIndex, &transformItem, &pageBounds, &leftTop, &targetLayer))
        return false;
    if (targetLayer == kInvalidUID)
        return true;
    const bool widthFits = std::fabs(pageBounds.Width() - pdfBox.Width()) < 1 - 1e-8;
    const bool heightFits = std::fabs(pageBounds.Height() - pdfBox.Height()) < 1 - 1e-8;
    if (!widthFits || !heightFits) {
        NOTES_LOG_FALSE("MATCH_RECT(pageRect, pdfPageRect)");
        return false;
    }
    // The PDF box's left and lower edges land on the page bounds' left and top edges; the origin is
    // chosen so that this holds whatever the page's inner coordinates are.
    const PMPoint origin(pdfBox.Left() - leftTop.X(), pdfBox.Top() + leftTop.Y());
    InterfacePtr<ITransform> pageTransform(transformItem, IID_ITRANSFORM);
    const NotesPDFPageFrame frame(pdfBox, origin, pageBounds.Height(), [&](const PMPoint& p) {
        PMPoint q = p;
        pageTransform->TransformInnerPointToPasteboard(&q);
        return q;
    });

    NotesAnnotationCreator creator(fRun, page, frame, targetLayer);
    for (ASInt32 i = 0; i < PDPageGetNumAnnots(page); ++i) {
        const PDAnnot annot = PDPageGetAnnot(page, i);
        if (!PDAnnotIsValid(annot))
            continue;
        const CosObj dict = PDAnnotGetCosObj(annot);
        const A::NotesAnnotationType type = NotesPDFAnnotationReader::TypeOfSubtype(PDAnnotGetSubtype(annot));
        if (type == A::kUnknownAnnotation || !Admits(settings, type) ||
            (AnnotationFlags(dict) & kInvisibleOrHidden) || fRun.IsConsumed(dict))
            continue;
        const UIDList made = creator.Create(annot, type);
        for (UID uid : made.GetUIDs())
            fRun.mAnnotationMapping.emplace_back(uid, dict);
        if (A::SubTypeOf(type) == A::kTextMarkupType && !made.IsEmpty())
            fMarkupRuns.push_back(made);
        if (made.IsEmpty())
            ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
    return true;
}

void NotesImportCmd::ImportPages(PDDoc pdf, const Pairing& pairing, const INotesImportSettings* settings) {
    InterfacePtr<IPageList> pageList(fRun.document, IID_IPAGELIST);
    const int32 pdfPages = PDDocGetNumPages(pdf);
    const int32 docPages = pageList ? pageList->GetPageCount() : 0;
    const int32 steps = std::min(std::min(pdfPages, docPages),
                                 std::max(pdfPages, docPages) - std::max(pairing.pdfStart, pairing.docStart));
    RangeProgressBar progress(
        PMString(NOTES_KEY(kNotesProgressBarTaskNameKey), PMString::kTranslateDuringCall), 0,
        std::max(steps, 1));
    for (int32 k = 0; pairing.pdfStart + k < pdfPages; ++k) {
        if (!ImportPage(pdf, k, pairing, settings))
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
    // A markup none of whose runs is listed any more was taken into a replacement.
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

void NotesImportCmd::RemoveOrphanPopups() {
    UIDList orphans(fRun.database);
    for (const auto& [uid, dict] : fRun.mAnnotationMapping) {
        InterfacePtr<INotesAnnotation> annotation(UIDRef(fRun.database, uid), IID_INOTESANNOTATION);
        if (!annotation || annotation->GetType() != A::kPopupAnnotation)
            continue;
        InterfacePtr<IUIDData> annotReference(UIDRef(fRun.database, uid), IID_INOTESANNOTATIONREFERENCE);
        if (!NOTES_CHECK_NIL(annotReference))
            continue;
        if (!fRun.database->IsValidUID(annotReference->GetUID()) && !orphans.Contains(uid))
            orphans.Append(uid);
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
}

void NotesImportCmd::Do() {
    fRun = NotesImportRun();
    fMarkupRuns.clear();
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
        Pairing pairing;
        if (!PrepareLayer(&pairing))
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
        if (!PreparePairing(importSettings, &pairing))
            break;
        PDFLibraryRef pdflRef;
        pdflRef.Acquire();
        if (!NOTES_CHECK_TRUE(pdflRef.IsAvailable()))
            break;
        Utils<INotesImportUtils> importUtils;
        if (!NOTES_CHECK_NIL(importUtils) || !PrepareDefaultColor())
            break;
        // A file that cannot be opened at all ends the import as a failure, so that nothing of it
        // (not even the annotation layer) stays; an error while reading pages ends the page loop only.
        PDDoc pdf = nullptr;
        DURING
        pdf = importUtils->OpenPDF(importSettings->GetPDFPath());
        HANDLER
        pdf = nullptr;
        END_HANDLER
        if (!NOTES_CHECK_NIL(pdf))
            break;
        DURING
        ImportPages(pdf, pairing, importSettings);
        HANDLER
        NOTES_LOG_FAILED("ImportPages(pdf, pairing, importSettings)");
        END_HANDLER
        DURING
        PDDocClose(pdf);
        HANDLER
        END_HANDLER
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
        ApplyTextMarkups();
        StoreFailureCount();
        RemoveOrphanPopups();
        status = kSuccess;
    } while (false);
    ErrorUtils::PMSetGlobalErrorCode(status);
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
