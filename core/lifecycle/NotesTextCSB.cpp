#include "NotesTextCSB.h"

#include <algorithm>
#include <unordered_set>

#include "NotesCommands.h"
#include "NotesFailureLog.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/IStringData.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/selection/ITextTarget.h"
#include "host/text/IAttributeStrand.h"
#include "host/text/IFrameList.h"
#include "host/text/IMultiColumnTextFrame.h"
#include "host/text/IRangeData.h"
#include "host/text/ITextFrameColumn.h"
#include "host/text/ITextModel.h"
#include "textmarkup/NotesTextMarkupClasses.h"

namespace {
using A = INotesAnnotation;

// The attribute classes that mark a run as one text markup's (the selection emphasis does not).
std::vector<ClassID> MarkupAttributeClasses() {
    std::vector<ClassID> classes;
    for (int32 type = A::kHighlightAnnotation; type <= A::kCaretAnnotation; ++type)
        classes.push_back(
            NotesTextMarkupClasses::AttributeClassOf(static_cast<A::NotesAnnotationType>(type)));
    classes.push_back(NotesTextMarkupClasses::AttributeClassOf(A::kCaretAnnotation, true));
    return classes;
}

bool IsNoteFrameClass(ClassID itemClass) {
    return itemClass == kNotesPopupAnnotationBoss || itemClass == kNotesFreeTextAnnotationBoss;
}

// The story text without its closing paragraph return.
PMString StoryText(const ITextModel* textModel) {
    const int32 length = std::max<int32>(textModel->TotalLength() - 1, 0);
    return PMString(textModel->GetText(0, length));
}

// A note's text as its frame shows it: line feeds are dropped, paragraph returns kept.
// A command of the class on the annotations; nothing to do (success) when there are none.
ErrorCode ProcessOnAny(ClassID commandClass, const UIDList& annotations, const char* what) {
    if (annotations.IsEmpty())
        return kSuccess;
    return NotesCommands::ProcessOn(commandClass, annotations, what) ? kSuccess : kFailure;
}

std::u16string AsFrameShowsIt(const PMString& content) {
    std::u16string shown = content.GetUTF16();
    shown.erase(std::remove(shown.begin(), shown.end(), u'\n'), shown.end());
    return shown;
}
} // namespace

InterfacePtr<ITextTarget> NotesTextCSB::Target() const {
    return InterfacePtr<ITextTarget>(this, IID_ITEXTTARGET);
}

bool16 NotesTextCSB::CanMarkText() {
    InterfacePtr<ITextTarget> target = Target();
    return target && !target->IsInsertionPoint() && !IsInNoteFrame();
}

bool16 NotesTextCSB::CanInsertAtCaret() {
    InterfacePtr<ITextTarget> target = Target();
    return target && target->IsInsertionPoint() && !IsInNoteFrame();
}

ErrorCode NotesTextCSB::NewTextMarkup(A::NotesAnnotationType type, UID& newAnnotation) {
    newAnnotation = kInvalidUID;
    InterfacePtr<ITextTarget> target = Target();
    if (!NOTES_CHECK_NIL(target))
        return kFailure;
    InterfacePtr<ICommand> newTextMarkupCmd(CmdUtils::CreateCommand(kNotesNewTextMarkupCmdBoss));
    InterfacePtr<IIntData> annotTypeData(newTextMarkupCmd, IID_IINTDATA);
    InterfacePtr<IRangeData> rangeData(newTextMarkupCmd, IID_IRANGEDATA);
    if (!NOTES_CHECK_NIL(newTextMarkupCmd) || !NOTES_CHECK_NIL(annotTypeData) || !NOTES_CHECK_NIL(rangeData))
        return kFailure;
    annotTypeData->Set(type);
    rangeData->Set(target->GetRange());
    newTextMarkupCmd->SetItemList(UIDList(target->GetTextModelRef()));
    if (CmdUtils::ProcessCommand(newTextMarkupCmd) != kSuccess) {
        NOTES_LOG_FAILED("newTextMarkupCmd");
        return kFailure;
    }
    if (!NOTES_CHECK_TRUE(newTextMarkupCmd->GetItemList()->Length() == 1))
        return kFailure;
    newAnnotation = newTextMarkupCmd->GetItemList()->At(0);
    return kSuccess;
}

UIDList NotesTextCSB::CarriedAnnotations() const {
    InterfacePtr<ITextTarget> target = Target();
    const UIDRef story = target ? target->GetTextModelRef() : UIDRef();
    UIDList annotations(story.GetDataBase());
    InterfacePtr<IAttributeStrand> attributeStrand(story, IID_IATTRIBUTESTRAND);
    InterfacePtr<ITextModel> textModel(story, IID_ITEXTMODEL);
    if (!attributeStrand || !textModel)
        return annotations;
    // An insertion point carries what the character after it carries.
    RangeData range = target->GetRange();
    if (range.IsEmpty())
        range = RangeData(range.Start(), std::min(range.Start() + 1, textModel->TotalLength()));
    static const std::vector<ClassID> kMarkupClasses = MarkupAttributeClasses();
    std::unordered_set<UID> listed;
    for (const AttributeRun& run : attributeStrand->CopyRuns(range))
        for (ClassID attributeClass : kMarkupClasses) {
            const UID annotation = NotesTextMarkupClasses::ValueOf(run.attributes, attributeClass);
            if (annotation == kInvalidUID || !story.GetDataBase()->IsValidUID(annotation) ||
                !listed.insert(annotation).second)
                continue;
            if (InterfacePtr<A>(UIDRef(story.GetDataBase(), annotation), IID_INOTESANNOTATION))
                annotations.Append(annotation);
        }
    return annotations;
}

UIDList NotesTextCSB::CarriedTextEdits() const {
    const UIDList annotations = CarriedAnnotations();
    UIDList edits(annotations.GetDataBase());
    for (UID uid : annotations.GetUIDs()) {
        InterfacePtr<A> annotation(UIDRef(annotations.GetDataBase(), uid), IID_INOTESANNOTATION);
        if (annotation && annotation->IsRedaction())
            edits.Append(uid);
    }
    return edits;
}

bool16 NotesTextCSB::HasAnnotations() {
    return !CarriedAnnotations().IsEmpty();
}

ErrorCode NotesTextCSB::GetAnnotations(UIDList& annotations) {
    annotations = CarriedAnnotations();
    return kSuccess;
}

ErrorCode NotesTextCSB::DeleteAnnotations() {
    return ProcessOnAny(kNotesDeleteAnnotationCmdBoss, CarriedAnnotations(), "deleteAnnotationCmd");
}

bool16 NotesTextCSB::HasTextEdits() {
    return !CarriedTextEdits().IsEmpty();
}

ErrorCode NotesTextCSB::AcceptTextEdits() {
    return ProcessOnAny(kNotesAcceptRedactionCmdBoss, CarriedTextEdits(), "acceptRedactionCmd");
}

ErrorCode NotesTextCSB::RejectTextEdits() {
    return ProcessOnAny(kNotesRejectRedactionCmdBoss, CarriedTextEdits(), "rejectRedactionCmd");
}

ErrorCode NotesTextCSB::GetTextRange(RangeData& range, uint32& threadKey, UID& textModel) {
    InterfacePtr<ITextTarget> target = Target();
    if (!NOTES_CHECK_NIL(target))
        return kFailure;
    range = target->GetRange(&threadKey);
    textModel = target->GetTextModelRef().GetUID();
    return kSuccess;
}

UIDRef NotesTextCSB::NoteFrameItem() const {
    InterfacePtr<ITextTarget> target = Target();
    InterfacePtr<IFrameList> frameList(target ? target->GetTextModelRef() : UIDRef(), IID_IFRAMELIST);
    if (!frameList || frameList->GetFrameCount() == 0)
        return UIDRef();
    InterfacePtr<ITextFrameColumn> column(frameList->QueryNthFrame(0));
    InterfacePtr<IMultiColumnTextFrame> frame(column ? column->QueryMultiColumnTextFrame() : nullptr);
    if (!frame)
        return UIDRef();
    IDataBase* db = target->GetTextModelRef().GetDataBase();
    const UID item = frame->GetFrameItemUID();
    if (item == kInvalidUID || !db->IsValidUID(item) || !IsNoteFrameClass(db->GetClass(item)))
        return UIDRef();
    return UIDRef(db, item);
}

bool16 NotesTextCSB::IsInNoteFrame() {
    return NoteFrameItem().GetUID() != kInvalidUID;
}

ErrorCode NotesTextCSB::GetPopupRef(UIDRef& popupRef) {
    popupRef = NoteFrameItem();
    return popupRef.GetUID() != kInvalidUID ? kSuccess : kFailure;
}

ErrorCode NotesTextCSB::SaveNoteFrameText() {
    const UIDRef frameItem = NoteFrameItem();
    if (!NOTES_CHECK_TRUE(frameItem.GetUID() != kInvalidUID))
        return kFailure;
    // A popup's note is its annotation's; a free-text frame is the annotation itself.
    UIDRef annotationRef = frameItem;
    if (frameItem.GetDataBase()->GetClass(frameItem.GetUID()) == kNotesPopupAnnotationBoss) {
        InterfacePtr<IUIDData> annotReference(frameItem, IID_INOTESANNOTATIONREFERENCE);
        if (!NOTES_CHECK_NIL(annotReference))
            return kFailure;
        annotationRef = UIDRef(frameItem.GetDataBase(), annotReference->GetUID());
    }
    InterfacePtr<A> annotation(annotationRef, IID_INOTESANNOTATION);
    InterfacePtr<ITextTarget> target = Target();
    InterfacePtr<ITextModel> textModel(target ? target->QueryTextModel() : nullptr);
    if (!NOTES_CHECK_NIL(annotation) || !NOTES_CHECK_NIL(textModel))
        return kFailure;
    const PMString text = StoryText(textModel);
    // Selection changes while typing call this often: an unchanged note is no command (no undo step).
    if (text.GetUTF16() == AsFrameShowsIt(annotation->GetContent()))
        return kSuccess;
    InterfacePtr<ICommand> saveNoteContentCmd(CmdUtils::CreateCommand(kNotesSaveNoteContentCmdBoss));
    InterfacePtr<IStringData> content(saveNoteContentCmd, IID_ISTRINGDATA);
    if (!NOTES_CHECK_NIL(saveNoteContentCmd) || !NOTES_CHECK_NIL(content))
        return kFailure;
    content->Set(text);
    // The note follows the typing in its frame, so one undo takes back both.
    saveNoteContentCmd->SetUndoability(ICommand::kAutoUndo);
    saveNoteContentCmd->SetItemList(UIDList(annotationRef));
    if (CmdUtils::ProcessCommand(saveNoteContentCmd) != kSuccess) {
        NOTES_LOG_FAILED("saveNoteContentCmd");
        return kFailure;
    }
    return NotesCommands::ProcessOn(kFitFrameToContentCmdBoss, UIDList(frameItem), "fitFrameToContentCmd",
                                    ICommand::kAutoUndo)
               ? kSuccess
               : kFailure;
}
