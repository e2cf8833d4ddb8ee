#include "NotesActionComponent.h"

#include "INotesColorManager.h"
#include "NotesFailureLog.h"
#include "NotesID.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/IDocument.h"
#include "host/layout/IActiveContext.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"

void NotesActionComponent::DoAction(ActionID actionID) {
    if (actionID != kNotesClearAllActionID)
        return;
    InterfacePtr<IActiveContext> activeContext(GetApplicationObject(), IID_IACTIVECONTEXT);
    if (!NOTES_CHECK_NIL(activeContext))
        return;
    IDocument* document = activeContext->GetContextDocument();
    if (!NOTES_CHECK_NIL(document))
        return;
    IDataBase* db = document->GetDocumentDataBase();
    ClearAllAnnotations(UIDRef(db, db->GetRootUID()));
}

void NotesActionComponent::ClearAllAnnotations(const UIDRef& document) {
    // The annotations and their swatches go in one undo step.
    CmdUtils::SequenceContext sequence;
    if (sequence.GetSequence())
        sequence.GetSequence()->SetName(PMString(NOTES_KEY(kNotesClearAllMenuItemKey)));
    InterfacePtr<ICommand> clearAllCmd(CmdUtils::CreateCommand(kNotesClearAllCmdBoss));
    if (!NOTES_CHECK_NIL(clearAllCmd))
        return;
    clearAllCmd->SetItemList(UIDList(document));
    if (CmdUtils::ProcessCommand(clearAllCmd) != kSuccess) {
        // The swatches are left as they are when the annotations could not go.
        NOTES_LOG_FAILED("clearAllCmd");
        return;
    }
    InterfacePtr<INotesColorManager> colorManager(document, IID_INOTESCOLORMANAGER);
    if (!NOTES_CHECK_NIL(colorManager))
        return;
    colorManager->RemoveAnnotationColors();
}
