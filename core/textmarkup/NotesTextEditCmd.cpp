#include "NotesTextEditCmd.h"

#include <algorithm>
#include <unordered_set>

#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/IBoolData.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/IStringData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/IRangeData.h"
#include "lifecycle/NotesCommands.h"
#include "NotesFailureLog.h"

namespace {
// Later stories first and, inside a story, later characters first.
bool SettledBefore(const NotesTextEdit& a, const NotesTextEdit& b) {
    if (a.run.story.GetUID() != b.run.story.GetUID())
        return a.run.story.GetUID() > b.run.story.GetUID();
    return a.run.start > b.run.start;
}

// The note of a left highlight: the translated prefix, a blank, then the text in quotation marks.
PMString HighlightNote(const char* prefixKey, const WideString& text) {
    PMString note(prefixKey, PMString::kTranslateDuringCall);
    note.Append(PMString(u" \"" + text.GetUTF16() + u"\""));
    note.SetTranslatable(kFalse);
    return note;
}
} // namespace

std::vector<NotesTextEdit> NotesTextEditCmd::Gather() const {
    std::vector<NotesTextEdit> edits;
    for (int32 i = 0; i < GetItemList()->Length(); ++i) {
        NotesTextEdit edit;
        if (NotesTextEdit::Find(GetItemList()->GetRef(i), &edit))
            edits.push_back(edit);
    }
    return edits;
}

bool NotesTextEditCmd::DeleteAnnotations(const std::vector<NotesTextEdit>& edits) {
    UIDList annotations(edits.front().run.story.GetDataBase());
    std::unordered_set<UID> listed;
    for (const NotesTextEdit& edit : edits)
        if (listed.insert(edit.run.endMarker).second)
            annotations.Append(edit.run.endMarker);
    return NotesCommands::ProcessOn(kNotesDeleteAnnotationCmdBoss, annotations, "deleteAnnotCmd");
}

bool NotesTextEditCmd::LeaveHighlight(const UIDRef& story, RangeData range, const char* prefixKey,
                                      const WideString& text) {
    InterfacePtr<ICommand> newTextMarkupCmd(CmdUtils::CreateCommand(kNotesNewTextMarkupCmdBoss));
    InterfacePtr<IIntData> annotType(newTextMarkupCmd, IID_IINTDATA);
    InterfacePtr<IRangeData> rangeData(newTextMarkupCmd, IID_IRANGEDATA);
    if (!NOTES_CHECK_NIL(newTextMarkupCmd) || !NOTES_CHECK_NIL(annotType) || !NOTES_CHECK_NIL(rangeData))
        return true;
    annotType->Set(INotesAnnotation::kHighlightAnnotation);
    rangeData->Set(range);
    newTextMarkupCmd->SetItemList(UIDList(story));
    if (CmdUtils::ProcessCommand(newTextMarkupCmd) != kSuccess ||
        !NOTES_CHECK_TRUE(newTextMarkupCmd->GetItemList()->Length() == 1)) {
        ErrorUtils::PMSetGlobalErrorCode(kSuccess); // the edit stands without its highlight
        return true;
    }
    const UIDRef highlight = newTextMarkupCmd->GetItemList()->GetRef(0);
    InterfacePtr<ICommand> saveNoteContentCmd(CmdUtils::CreateCommand(kNotesSaveNoteContentCmdBoss));
    InterfacePtr<IStringData> note(saveNoteContentCmd, IID_ISTRINGDATA);
    if (!NOTES_CHECK_NIL(note))
        return false;
    note->Set(HighlightNote(prefixKey, text));
    saveNoteContentCmd->SetItemList(UIDList(highlight));
    if (!NotesCommands::Process(saveNoteContentCmd.forget(), "saveNoteContentCmd"))
        return false;
    fHighlights.Append(highlight.GetUID());
    return true;
}

void NotesTextEditCmd::Do() {
    ErrorCode status = kFailure;
    fHighlights = UIDList(GetItemList()->GetDataBase());
    do {
        if (!NOTES_CHECK_TRUE(GetItemList()->Length() > 0))
            break;
        InterfacePtr<IBoolData> option(GetApplicationObject(), IID_INOTESCONVERTTOHIGHLIGHTOPTION);
        fConvertToHighlight = option && option->GetBool();
        std::vector<NotesTextEdit> edits = Gather();
        Select(&edits);
        // From the end of each story too: the strands then only ever shift what was settled.
        std::sort(edits.begin(), edits.end(), SettledBefore);
        if (!edits.empty() && !DeleteAnnotations(edits))
            break;
        const bool settled =
            std::all_of(edits.begin(), edits.end(), [&](const NotesTextEdit& edit) { return Settle(edit); });
        if (!settled)
            break;
        status = kSuccess;
    } while (false);
    fItemList = fHighlights;
    ErrorUtils::PMSetGlobalErrorCode(status);
}

void NotesTextEditCmd::DoNotify() {
    NotesCommands::Broadcast(this, GetBoss()->GetClass(), IID_INOTESANNOTATIONLIST);
}
