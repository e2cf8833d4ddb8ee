#include "NotesMergeAnnotationCmd.h"

#include "INotesAnnotation.h"
#include "NotesCreateMarkersCmd.h"
#include "NotesMarkedRun.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/IItemStrand.h"
#include "lifecycle/NotesCommands.h"
#include "NotesFailureLog.h"

namespace {
using A = INotesAnnotation;

UID PopupOf(const UIDRef& annotation) {
    InterfacePtr<IUIDData> annotReference(annotation, IID_INOTESANNOTATIONREFERENCE);
    const UID popup = annotReference ? annotReference->GetUID() : kInvalidUID;
    return popup != kInvalidUID && annotation.GetDataBase()->IsValidUID(popup) ? popup : kInvalidUID;
}

void SetReference(const UIDRef& item, UID target) {
    InterfacePtr<IUIDData> annotReference(item, IID_INOTESANNOTATIONREFERENCE);
    if (NOTES_CHECK_NIL(annotReference))
        annotReference->Set(target);
}
} // namespace

bool NotesMergeAnnotationCmd::CanJoin(const NotesMarkedRun& strikeThru, const NotesMarkedRun& caret) {
    return strikeThru.IsAnchored() && caret.IsAnchored() && strikeThru.story == caret.story &&
           caret.start >= strikeThru.start && caret.start <= strikeThru.end + 1;
}

// The replacement's markers stand on the first and last struck characters; another replacement
// there would make it a duplicate that the anchoring refuses only after the markers are made.
bool NotesMergeAnnotationCmd::IsFree(const NotesMarkedRun& strikeThru) {
    InterfacePtr<IItemStrand> itemStrand(strikeThru.story, IID_IITEMSTRAND);
    if (!NOTES_CHECK_NIL(itemStrand))
        return false;
    return NOTES_CHECK_TRUE(itemStrand->GetOwnedUID(strikeThru.start, kNotesRedactionStartTextMarkerBoss) ==
                            kInvalidUID) &&
           NOTES_CHECK_TRUE(itemStrand->GetOwnedUID(strikeThru.end, kNotesRedactionEndTextMarkerBoss) ==
                            kInvalidUID);
}

UID NotesMergeAnnotationCmd::MakeReplacement(const NotesMarkedRun& strikeThru, const UIDRef& strikeRef,
                                             const UIDRef& caretRef) {
    InterfacePtr<INotesAnnotation> strikethruAnnotation(strikeRef, IID_INOTESANNOTATION);
    InterfacePtr<INotesAnnotation> caretAnnotation(caretRef, IID_INOTESANNOTATION);
    const UIDRef replacement = NotesCreateMarkersCmd::Make(strikeThru.story, A::kRedactionAnnotation,
                                                           RangeData(strikeThru.start, strikeThru.end + 1));
    if (replacement.GetUID() == kInvalidUID)
        return kInvalidUID;
    InterfacePtr<ICommand> saveAnnotationCmd(CmdUtils::CreateCommand(kNotesSaveAnnotationCmdBoss));
    InterfacePtr<INotesAnnotation> annotationCmdData(saveAnnotationCmd, IID_INOTESANNOTATION);
    if (!NOTES_CHECK_NIL(annotationCmdData)) {
        NotesCreateMarkersCmd::Drop(replacement);
        return kInvalidUID;
    }
    annotationCmdData->Set(A::kRedactionAnnotation, strikethruAnnotation->GetPoints(),
                           caretAnnotation->GetColor(), caretAnnotation->CanShowPopup(),
                           caretAnnotation->GetContent(), caretAnnotation->GetAuthor(),
                           caretAnnotation->GetDate());
    saveAnnotationCmd->SetItemList(UIDList(replacement));
    if (!NotesCommands::Process(saveAnnotationCmd.forget(), "saveAnnotationCmd")) {
        NotesCreateMarkersCmd::Drop(replacement);
        return kInvalidUID;
    }
    return replacement.GetUID();
}

UID NotesMergeAnnotationCmd::KeepPopup(const UIDRef& strikeRef, const UIDRef& caretRef,
                                       const UIDRef& replacement) {
    const UID caretPopup = PopupOf(caretRef);
    const UID strikePopup = PopupOf(strikeRef);
    const UID popup = caretPopup != kInvalidUID ? caretPopup : strikePopup;
    if (popup == kInvalidUID)
        return kInvalidUID;
    // Taken off its annotation, so that nothing removing the annotation takes the popup along.
    SetReference(caretPopup != kInvalidUID ? caretRef : strikeRef, kInvalidUID);
    SetReference(replacement, popup);
    SetReference(UIDRef(replacement.GetDataBase(), popup), replacement.GetUID());
    // A popup the two share is the one kept.
    return caretPopup != kInvalidUID && strikePopup != caretPopup ? strikePopup : kInvalidUID;
}

// What the delete-annotation command does for two text markups, without its look-up of their
// pages: that look-up composes the story again after every change of its attributes, which an
// import joining thousands of pairs in one story cannot afford. Callers refresh the page lists.
bool NotesMergeAnnotationCmd::RemovePair(const UIDRef& strikeRef, const UIDRef& caretRef, UID leftPopup) {
    UIDList pair(strikeRef);
    pair.Append(caretRef.GetUID());
    if (!NotesCommands::ProcessOn(kNotesRemoveTextMarkupCmdBoss, pair, "removeTextMarkupCmd"))
        return false;
    return leftPopup == kInvalidUID ||
           NotesCommands::ProcessOn(kDeleteCmdBoss, UIDList(UIDRef(strikeRef.GetDataBase(), leftPopup)),
                                    "deleteCmd");
}

void NotesMergeAnnotationCmd::Do() {
    ErrorCode status = kFailure;
    IDataBase* database = GetItemList()->GetDataBase();
    UIDList made(database);
    do {
        if (!NOTES_CHECK_TRUE(GetItemList()->Length() == 1) || !NOTES_CHECK_NIL(database))
            break;
        const UIDRef strikeRef = GetItemList()->GetRef(0);
        InterfacePtr<IUIDData> caretUIDData(this, IID_IUIDDATA);
        if (!NOTES_CHECK_NIL(caretUIDData))
            break;
        const UIDRef caretRef(database, caretUIDData->GetUID());
        InterfacePtr<INotesAnnotation> caretAnnotation(caretRef, IID_INOTESANNOTATION);
        InterfacePtr<INotesAnnotation> strikethruAnnotation(strikeRef, IID_INOTESANNOTATION);
        if (!NOTES_CHECK_NIL(caretAnnotation) || !NOTES_CHECK_NIL(strikethruAnnotation) ||
            !NOTES_CHECK_TRUE(caretAnnotation->GetType() == INotesAnnotation::kCaretAnnotation) ||
            !NOTES_CHECK_TRUE(strikethruAnnotation->GetType() == INotesAnnotation::kStrikethroughAnnotation))
            break;
        NotesMarkedRun caret, strikeThru;
        if (!NotesMarkedRun::Find(caretRef, &caret) || !NotesMarkedRun::Find(strikeRef, &strikeThru) ||
            !NOTES_CHECK_TRUE(CanJoin(strikeThru, caret)) || !IsFree(strikeThru))
            break;
        const UID replacement = MakeReplacement(strikeThru, strikeRef, caretRef);
        if (replacement == kInvalidUID)
            break;
        const UIDRef replacementRef(database, replacement);
        // Anchored while the pair still stands: when this fails the new markers go and nothing else
        // has changed.
        if (!NotesCommands::ProcessOn(kNotesSetTextMarkupCmdBoss, UIDList(replacementRef),
                                      "setTextMarkupCmd"))
            break;
        const UID leftPopup = KeepPopup(strikeRef, caretRef, replacementRef);
        if (!RemovePair(strikeRef, caretRef, leftPopup))
            break;
        made.Append(replacement);
        status = kSuccess;
    } while (false);
    fItemList = made;
    ErrorUtils::PMSetGlobalErrorCode(status);
}

void NotesMergeAnnotationCmd::DoNotify() {
    NotesCommands::Broadcast(this, kNotesMergeAnnotationCmdBoss, IID_INOTESANNOTATIONLIST);
}

PMString* NotesMergeAnnotationCmd::CreateName() {
    return new PMString(NOTES_KEY(kNotesMergeAnnotationCmdNameKey));
}
