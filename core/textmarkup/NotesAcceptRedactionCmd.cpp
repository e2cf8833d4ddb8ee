#include "NotesAcceptRedactionCmd.h"

#include <algorithm>
#include <unordered_set>

#include "NotesTextMarkupClasses.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/IItemStrand.h"
#include "host/text/ITextModel.h"
#include "host/text/ITextModelCmds.h"
#include "host/ui/CAlert.h"
#include "lifecycle/NotesCommands.h"
#include "NotesFailureLog.h"

namespace {
using A = INotesAnnotation;

// Whether another edit of the list has its end marker among the edit's characters.
bool SharesText(const NotesTextEdit& edit, const std::unordered_set<UID>& listed) {
    InterfacePtr<IItemStrand> itemStrand(edit.run.story, IID_IITEMSTRAND);
    if (!NOTES_CHECK_NIL(itemStrand))
        return true;
    OwnedItemDataList items;
    if (itemStrand->CollectOwnedItems(RangeData(edit.run.start, edit.run.end + 1), kInvalidClass, &items) <=
        2)
        return false;
    return std::any_of(items.begin(), items.end(), [&](const OwnedItemData& item) {
        return item.fUID != edit.run.endMarker && NotesTextMarkupClasses::IsEndMarkerClass(item.fClassID) &&
               listed.count(item.fUID) > 0;
    });
}

bool Edit(const UIDRef& story, ICommand* (ITextModelCmds::*make)(TextIndex, int32), TextIndex at,
          int32 length, const char* what) {
    InterfacePtr<ITextModelCmds> textModelCmds(story, IID_ITEXTMODELCMDS);
    return NOTES_CHECK_NIL(textModelCmds) &&
           NotesCommands::Process((textModelCmds.get()->*make)(at, length), what);
}

bool Insert(const UIDRef& story, TextIndex at, const PMString& text) {
    InterfacePtr<ITextModelCmds> textModelCmds(story, IID_ITEXTMODELCMDS);
    return NOTES_CHECK_NIL(textModelCmds) &&
           (text.IsEmpty() ||
            NotesCommands::Process(textModelCmds->InsertCmd(at, WideString(text)), "insertCmd"));
}
} // namespace

void NotesAcceptRedactionCmd::Select(std::vector<NotesTextEdit>* edits) {
    // Decided on the text as it stands before any edit, so the list's order does not matter.
    std::unordered_set<UID> listed;
    for (const NotesTextEdit& edit : *edits)
        listed.insert(edit.run.endMarker);
    std::vector<NotesTextEdit> kept;
    for (const NotesTextEdit& edit : *edits)
        if (!SharesText(edit, listed))
            kept.push_back(edit);
    if (kept.size() != edits->size())
        CAlert::WarningAlert(
            PMString(NOTES_KEY(kNotesRedactionsForSameTextAlertKey), PMString::kTranslateDuringCall));
    *edits = kept;
}

RangeData NotesAcceptRedactionCmd::HighlightRange(const NotesTextEdit& edit, RangeData wanted) {
    InterfacePtr<ITextModel> textModel(edit.run.story, IID_ITEXTMODEL);
    InterfacePtr<IItemStrand> itemStrand(edit.run.story, IID_IITEMSTRAND);
    if (!textModel || !itemStrand)
        return wanted;
    TextIndex start = wanted.Start();
    TextIndex end = wanted.End();
    const int32 length = textModel->TotalLength();
    if (start <= length - 1 && length - 1 <= end) { // it reaches the story's final return
        start = std::max<TextIndex>(length - 3, 0);
        end = std::max<TextIndex>(length - 2, start + 1);
    }
    if (start > 0 && (itemStrand->GetOwnedUID(start, kNotesHighlightStartTextMarkerBoss) != kInvalidUID ||
                      itemStrand->GetOwnedUID(end, kNotesHighlightEndTextMarkerBoss) != kInvalidUID)) {
        --start;
        --end;
    }
    return RangeData(start, end);
}

bool NotesAcceptRedactionCmd::Settle(const NotesTextEdit& edit) {
    const UIDRef& story = edit.run.story;
    TextIndex at = edit.run.start;
    bool edited = false;
    switch (edit.run.type) {
    case A::kCaretAnnotation:
        at = edit.InsertionPoint();
        edited = Insert(story, at, edit.content);
        break;
    case A::kStrikethroughAnnotation:
        edited = Edit(story, &ITextModelCmds::DeleteCmd, at, edit.DeletableLength(), "deleteCmd");
        break;
    case A::kRedactionAnnotation:
        edited = Edit(story, &ITextModelCmds::DeleteCmd, at, edit.DeletableLength(), "deleteCmd") &&
                 Insert(story, at, edit.content);
        break;
    default:
        NOTES_LOG_FALSE("annotation->IsRedaction()");
        return false;
    }
    if (!edited || !ConvertsToHighlight())
        return edited;
    const int32 inserted = edit.run.type == A::kStrikethroughAnnotation ? 0 : edit.content.CharCount();
    const RangeData wanted(at, at + std::max<int32>(inserted, 1));
    return LeaveHighlight(story, HighlightRange(edit, wanted), NOTES_KEY(kNotesOriginalTextColonSpaceKey),
                          edit.oldText);
}

PMString* NotesAcceptRedactionCmd::CreateName() {
    return new PMString(NOTES_KEY(kNotesAcceptRedactionCmdNameKey));
}
