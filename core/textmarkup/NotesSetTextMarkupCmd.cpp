#include "NotesSetTextMarkupCmd.h"

#include "INotesAnnotation.h"
#include "NotesMarkedRun.h"
#include "NotesTextMarkupClasses.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/IBoolData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/IItemStrand.h"
#include "host/text/IRangeData.h"
#include "host/text/ITextModel.h"
#include "host/text/ITextStrand.h"
#include "lifecycle/NotesCommands.h"
#include "NotesFailureLog.h"

namespace {
using A = INotesAnnotation;
constexpr UTF16TextChar kParagraphReturn = 0x0D;
constexpr UTF16TextChar kTableAnchorChar = 0x16;
constexpr UTF16TextChar kTableEndChar = 0x17;

// The markers' character for a caret at index: the one after the insertion point, or the one
// before it when the caret stands before a paragraph return that ends some text. In an empty
// paragraph or table cell the character before belongs elsewhere, so the caret keeps the return.
TextIndex CaretCharacter(const ITextStrand* textStrand, TextIndex index, bool* caretLast) {
    const UTF16TextChar before = index > 0 ? textStrand->GetChar(index - 1) : kParagraphReturn;
    *caretLast = textStrand->GetChar(index) == kParagraphReturn && before != kParagraphReturn &&
                 before != kTableAnchorChar && before != kTableEndChar;
    return *caretLast ? index - 1 : index;
}
} // namespace

bool NotesSetTextMarkupCmd::Insert(const UIDRef& endMarker) {
    InterfacePtr<INotesAnnotation> annotation(endMarker, IID_INOTESANNOTATION);
    if (!NOTES_CHECK_NIL(annotation) ||
        !NOTES_CHECK_TRUE(annotation->GetSubType() == INotesAnnotation::kTextMarkupType))
        return false;
    NotesMarkedRun run;
    InterfacePtr<IRangeData> markedRange(endMarker, IID_IRANGEDATA);
    if (!NotesMarkedRun::Find(endMarker, &run) || !NOTES_CHECK_NIL(markedRange))
        return false;
    InterfacePtr<ITextModel> textModel(run.story, IID_ITEXTMODEL);
    InterfacePtr<ITextStrand> textStrand(run.story, IID_ITEXTSTRAND);
    InterfacePtr<IItemStrand> itemStrand(run.story, IID_IITEMSTRAND);
    IDataBase* database = endMarker.GetDataBase();
    UIDList markers(endMarker);
    if (database->IsValidUID(run.startMarker))
        markers.Append(run.startMarker);
    if (!NOTES_CHECK_NIL(textModel) || !NOTES_CHECK_NIL(textStrand) || !NOTES_CHECK_NIL(itemStrand)) {
        NotesCommands::DeleteUIDs(markers, "deleteUIDCmd");
        return false;
    }
    const bool caret = run.type == A::kCaretAnnotation;
    const RangeData range = markedRange->Get();
    TextIndex startIndex = range.Start();
    TextIndex endIndex = caret ? range.Start() : range.End() - 1;
    bool caretLast = false;
    if (caret) {
        startIndex = endIndex = CaretCharacter(textStrand, startIndex, &caretLast);
        InterfacePtr<IBoolData> caretLastData(endMarker, IID_INOTESCARETLASTDATA);
        if (caretLastData)
            caretLastData->Set(caretLast);
    }
    const ClassID endMarkerID = database->GetClass(endMarker.GetUID());
    const ClassID startMarkerID = endMarkerID - 1;
    // The run must still lie in the story and must not repeat a run of its kind: either way the
    // markup goes rather than stay half made.
    const bool fits = startIndex >= 0 && endIndex >= startIndex && endIndex < textModel->TotalLength() &&
                      markers.Length() == 2;
    const bool free = fits &&
                      NOTES_CHECK_TRUE(itemStrand->GetOwnedUID(startIndex, startMarkerID) == kInvalidUID) &&
                      NOTES_CHECK_TRUE(itemStrand->GetOwnedUID(endIndex, endMarkerID) == kInvalidUID);
    if (!free) {
        NotesCommands::DeleteUIDs(markers, "deleteUIDCmd");
        return false;
    }
    const ClassID classID = NotesTextMarkupClasses::AttributeClassOf(run.type, caretLast);
    if (!NOTES_CHECK_TRUE(classID != kInvalidClass))
        return false;
    const bool anchored =
        NotesCommands::SetOwnedItem(run.story, startIndex, run.startMarker, startMarkerID,
                                    "setOwnedItemCmd") &&
        NotesCommands::SetOwnedItem(run.story, endIndex, run.endMarker, endMarkerID, "setOwnedItemCmd") &&
        NotesCommands::ApplyAttribute(run.story, RangeData(startIndex, endIndex + 1), classID,
                                      endMarker.GetUID(), "applyTextAttrCmd");
    if (!anchored) // deleted markers leave the text with it; no attribute was applied
        NotesCommands::DeleteUIDs(markers, "deleteUIDCmd");
    return anchored;
}

void NotesSetTextMarkupCmd::Do() {
    UIDList inserted(GetItemList()->GetDataBase());
    if (NOTES_CHECK_TRUE(GetItemList()->Length() > 0))
        for (int32 i = 0; i < GetItemList()->Length(); ++i)
            if (Insert(GetItemList()->GetRef(i)))
                inserted.Append(GetItemList()->At(i));
    fItemList = inserted;
    ErrorUtils::PMSetGlobalErrorCode(inserted.IsEmpty() ? kFailure : kSuccess);
}
