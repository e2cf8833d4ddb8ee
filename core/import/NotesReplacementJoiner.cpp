#include "NotesReplacementJoiner.h"

#include "INotesAnnotation.h"
#include "INotesAnnotsManager.h"
#include "NotesImportRun.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/IItemStrand.h"
#include "lifecycle/NotesDocumentAccess.h"
#include "NotesFailureLog.h"
#include "textmarkup/NotesMarkedRun.h"
#include "textmarkup/NotesMergeAnnotationCmd.h"

void NotesReplacementJoiner::Add(bool caret, CosObj annotation, CosObj inReplyTo, CosObj popup,
                                 const PMString& author, const UIDList& runs) {
    Edit edit;
    edit.caret = caret;
    edit.key = NotesImportRun::KeyOf(annotation);
    edit.inReplyTo = NotesImportRun::KeyOf(inReplyTo);
    edit.popup = NotesImportRun::KeyOf(popup);
    edit.author = author;
    edit.runs = runs.GetUIDs();
    const int32 index = static_cast<int32>(fEdits.size());
    fByKey.emplace(edit.key, index);
    if (caret) {
        for (UID run : edit.runs)
            fCaretByRun.emplace(run, index);
    } else {
        if (edit.inReplyTo != 0)
            fStrikeByReply.emplace(edit.inReplyTo, index);
        if (edit.popup != 0)
            fStrikeByPopup.emplace(edit.popup, index);
    }
    fEdits.push_back(std::move(edit));
}

int32 NotesReplacementJoiner::LinkedPartner(const Edit& caret) const {
    if (const auto named = fByKey.find(caret.inReplyTo); caret.inReplyTo != 0 && named != fByKey.end())
        if (!fEdits[static_cast<size_t>(named->second)].caret)
            return named->second;
    if (const auto answering = fStrikeByReply.find(caret.key); answering != fStrikeByReply.end())
        return answering->second;
    if (const auto sharing = fStrikeByPopup.find(caret.popup);
        caret.popup != 0 && sharing != fStrikeByPopup.end())
        return sharing->second;
    return -1;
}

// The last caret of this import and author among the owned items from the first struck character
// to the one after the last.
int32 NotesReplacementJoiner::CaretByPosition(const Edit& strikeOut) const {
    int32 found = -1;
    for (UID run : strikeOut.runs) {
        NotesMarkedRun struck;
        if (!fDatabase->IsValidUID(run) || !NotesMarkedRun::Find(UIDRef(fDatabase, run), &struck) ||
            !struck.IsAnchored())
            continue;
        InterfacePtr<IItemStrand> itemStrand(struck.story, IID_IITEMSTRAND);
        if (!NOTES_CHECK_NIL(itemStrand))
            continue;
        OwnedItemDataList items;
        itemStrand->CollectOwnedItems(RangeData(struck.start, struck.end + 2), kNotesCaretEndTextMarkerBoss,
                                      &items);
        for (const OwnedItemData& item : items) {
            const auto caret = fCaretByRun.find(item.fUID);
            if (caret == fCaretByRun.end())
                continue;
            const Edit& edit = fEdits[static_cast<size_t>(caret->second)];
            if (!edit.settled && edit.author == strikeOut.author)
                found = caret->second;
        }
    }
    return found;
}

bool NotesReplacementJoiner::MergeRuns(UID strikeOutRun, UID caretRun) {
    InterfacePtr<ICommand> mergeAnnotationCmd(CmdUtils::CreateCommand(kNotesMergeAnnotationCmdBoss));
    InterfacePtr<IUIDData> caretUIDCmdData(mergeAnnotationCmd, IID_IUIDDATA);
    if (!NOTES_CHECK_NIL(caretUIDCmdData))
        return false;
    caretUIDCmdData->Set(caretRun);
    mergeAnnotationCmd->SetItemList(UIDList(UIDRef(fDatabase, strikeOutRun)));
    if (CmdUtils::ProcessCommand(mergeAnnotationCmd) != kSuccess ||
        !NOTES_CHECK_TRUE(mergeAnnotationCmd->GetItemList()->Length() == 1)) {
        // The pair stays as two annotations; the import goes on.
        NOTES_LOG_FAILED("mergeAnnotationCmd");
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
        return false;
    }
    InterfacePtr<INotesAnnotation> redactionAnnotation(mergeAnnotationCmd->GetItemList()->GetRef(0),
                                                       IID_INOTESANNOTATION);
    if (NOTES_CHECK_NIL(redactionAnnotation))
        redactionAnnotation->HidePopup();
    return true;
}

// A strike-out over two frames has a run in each: the caret joins the run it stands at.
bool NotesReplacementJoiner::Merge(const Edit& strikeOut, const Edit& caret) {
    for (UID caretRun : caret.runs) {
        NotesMarkedRun inserted;
        if (!fDatabase->IsValidUID(caretRun) || !NotesMarkedRun::Find(UIDRef(fDatabase, caretRun), &inserted))
            continue;
        for (UID strikeOutRun : strikeOut.runs) {
            NotesMarkedRun struck;
            if (fDatabase->IsValidUID(strikeOutRun) &&
                NotesMarkedRun::Find(UIDRef(fDatabase, strikeOutRun), &struck) &&
                NotesMergeAnnotationCmd::CanJoin(struck, inserted))
                return MergeRuns(strikeOutRun, caretRun);
        }
    }
    return false;
}

int32 NotesReplacementJoiner::Join() {
    int32 joined = 0;
    // Linked pairs first: a link says which two belong together, whatever stands between them.
    for (Edit& caret : fEdits) {
        const int32 partner = caret.caret ? LinkedPartner(caret) : -1;
        if (partner < 0 || fEdits[static_cast<size_t>(partner)].settled || caret.settled)
            continue;
        Edit& strikeOut = fEdits[static_cast<size_t>(partner)];
        caret.settled = strikeOut.settled = true;
        joined += Merge(strikeOut, caret) ? 1 : 0;
    }
    for (Edit& strikeOut : fEdits) {
        if (strikeOut.caret || strikeOut.settled)
            continue;
        const int32 caret = CaretByPosition(strikeOut);
        if (caret < 0)
            continue;
        Edit& inserted = fEdits[static_cast<size_t>(caret)];
        strikeOut.settled = inserted.settled = true;
        joined += Merge(strikeOut, inserted) ? 1 : 0;
    }
    // The merges leave the pages' annotation lists to be made again, once for all of them.
    auto annotsManager =
        NotesDocumentAccess::QueryDocumentInterface<INotesAnnotsManager>(fDatabase, IID_INOTESANNOTSMANAGER);
    if (joined > 0 && NOTES_CHECK_NIL(annotsManager))
        annotsManager->InvalidateAnnotationLists();
    return joined;
}
