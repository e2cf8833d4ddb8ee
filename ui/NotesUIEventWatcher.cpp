#include "NotesUIEventWatcher.h"

#include "NotesFailureLog.h"
#include "NotesID.h"
#include "NotesUINotesPanel.h"
#include "NotesUINotesPanelWidgetObserver.h"
#include "QuillpaneID.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ICommand.h"
#include "host/database/IDataBase.h"
#include "host/document/IDocument.h"
#include "host/layout/IActiveContext.h"
#include "host/objectmodel/IPointData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/IEvent.h"

bool16 NotesUIEventWatcher::WatchEvent(IEvent* event) {
    // Events on widgets carry their widget; one in the layout view carries none, and its point is
    // in the view's pasteboard coordinates.
    if (event->GetType() != IEvent::kLButtonDn || event->GetTarget() != nullptr || !IsCreatingNotes())
        return kFalse;
    InterfacePtr<IActiveContext> activeContext(GetApplicationObject(), IID_IACTIVECONTEXT);
    IDocument* document = activeContext ? activeContext->GetContextDocument() : nullptr;
    if (!NOTES_CHECK_NIL(document))
        return kFalse;
    InterfacePtr<ICommand> newStickyNoteCmd(CmdUtils::CreateCommand(kNotesNewStickyNoteCmdBoss));
    InterfacePtr<IPointData> pointData(newStickyNoteCmd, IID_IPOINTDATA);
    if (!NOTES_CHECK_NIL(newStickyNoteCmd) || !NOTES_CHECK_NIL(pointData))
        return kFalse;
    pointData->Set(event->GlobalWhere());
    IDataBase* db = document->GetDocumentDataBase();
    newStickyNoteCmd->SetItemList(UIDList(UIDRef(db, db->GetRootUID())));
    if (CmdUtils::ScheduleCommand(newStickyNoteCmd) != kSuccess)
        NOTES_LOG_FAILED("newStickyNoteCmd");
    return kTrue;
}

bool NotesUIEventWatcher::IsCreatingNotes() {
    InterfacePtr<IObserver> observer(NotesUINotesPanel::Panel(), IID_INOTESUIPANELWIDGETOBSERVER);
    const auto* widgetObserver = static_cast<const NotesUINotesPanelWidgetObserver*>(observer.get());
    return widgetObserver && widgetObserver->IsCreatingNotes();
}
