#include "NotesUINoteEditBoxEventHandler.h"

#include "INotesAnnotation.h"
#include "NotesFailureLog.h"
#include "NotesID.h"
#include "NotesUINotesPanel.h"
#include "NotesUITreeNodes.h"
#include "QuillpaneID.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ICommand.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/IStringData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/ui/ITextControlData.h"

bool16 NotesUINoteEditBoxEventHandler::KeyUp(IEvent*) {
    InterfacePtr<ITreeViewController> treeViewController = NotesUINotesPanel::TreeViewController();
    if (!NOTES_CHECK_NIL(treeViewController))
        return kFalse;
    NodeIDList selection;
    treeViewController->GetSelectedItems(selection);
    if (selection.size() != 1 || !NotesUITreeNodes::IsAnnotationNode(selection.front()))
        return kFalse;
    const UIDRef annotationRef = NotesUITreeNodes::RefOf(selection.front());
    InterfacePtr<INotesAnnotation> annotation(annotationRef, IID_INOTESANNOTATION);
    InterfacePtr<ITextControlData> textControlData(this, IID_INOTESUITEXTCONTROLDATA);
    if (!NOTES_CHECK_NIL(annotation) || !NOTES_CHECK_NIL(textControlData))
        return kFalse;
    const PMString text = textControlData->GetString();
    if (text != annotation->GetContent())
        SaveNote(annotationRef, text);
    return kFalse;
}

void NotesUINoteEditBoxEventHandler::SaveNote(const UIDRef& annotation, const PMString& text) {
    InterfacePtr<ICommand> saveNoteContentCmd(CmdUtils::CreateCommand(kNotesSaveNoteContentCmdBoss));
    InterfacePtr<IStringData> stringData(saveNoteContentCmd, IID_ISTRINGDATA);
    if (!NOTES_CHECK_NIL(saveNoteContentCmd) || !NOTES_CHECK_NIL(stringData))
        return;
    IDataBase* db = annotation.GetDataBase();
    // Nothing else changed the document since the last key of this note: this key joins its undo step.
    const bool sameRun = fTypedNote == annotation && db->GetChangeCount() == fChangeCountAfterSave;
    if (sameRun)
        saveNoteContentCmd->SetUndoability(ICommand::kAutoUndo);
    stringData->Set(text);
    saveNoteContentCmd->SetItemList(UIDList(annotation));
    if (CmdUtils::ProcessCommand(saveNoteContentCmd) != kSuccess) {
        NOTES_LOG_FAILED("saveNoteContentCmd");
        fTypedNote = UIDRef();
        return;
    }
    fTypedNote = annotation;
    fChangeCountAfterSave = db->GetChangeCount();
}
