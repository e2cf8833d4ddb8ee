#include "NotesUINotesPanelWidgetObserver.h"

#include "NotesFailureLog.h"
#include "NotesID.h"
#include "NotesUINotesPanel.h"
#include "NotesUITreeNodes.h"
#include "QuillpaneID.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ICommand.h"
#include "host/notify/ISubject.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/ActionManager.h"
#include "host/ui/IBooleanControlData.h"
#include "host/ui/IEventDispatcher.h"
#include "host/ui/ITriStateControlData.h"

namespace {
// The panel's widgets this observer listens to, with the protocol each announces its clicks under.
struct Listened {
    WidgetID widget;
    PMIID protocol;
};
constexpr Listened kListened[] = {{kNotesUIAcceptIconWidgetID, IID_IBOOLEANCONTROLDATA},
                                  {kNotesUIRejectIconWidgetID, IID_IBOOLEANCONTROLDATA},
                                  {kNotesUIRemoveIconWidgetID, IID_IBOOLEANCONTROLDATA},
                                  {kNotesUICreateNoteWidgetID, IID_ITRISTATECONTROLDATA}};
} // namespace

void NotesUINotesPanelWidgetObserver::AutoAttach() {
    AttachButtons(true);
    InterfacePtr<ITriStateControlData> triStateControlData(
        NotesUINotesPanel::FindWidget(kNotesUICreateNoteWidgetID), IID_ITRISTATECONTROLDATA);
    fCreatingNotes = triStateControlData && triStateControlData->IsSelected();
    InstallEventWatcher(true);
}

void NotesUINotesPanelWidgetObserver::AutoDetach() {
    AttachButtons(false);
    InstallEventWatcher(false);
}

void NotesUINotesPanelWidgetObserver::AttachButtons(bool attach) {
    for (const Listened& listened : kListened) {
        InterfacePtr<ISubject> subject(NotesUINotesPanel::FindWidget(listened.widget), IID_ISUBJECT);
        if (!NOTES_CHECK_NIL(subject))
            continue;
        const bool attached = subject->IsAttached(this, listened.protocol, IID_INOTESUIPANELWIDGETOBSERVER);
        if (attach && !attached)
            subject->AttachObserver(this, listened.protocol, IID_INOTESUIPANELWIDGETOBSERVER);
        else if (!attach && attached)
            subject->DetachObserver(this, listened.protocol, IID_INOTESUIPANELWIDGETOBSERVER);
    }
}

void NotesUINotesPanelWidgetObserver::InstallEventWatcher(bool install) {
    InterfacePtr<IEventDispatcher> eventDispatcher(GetApplicationObject(), IID_IEVENTDISPATCHER);
    if (!NOTES_CHECK_NIL(eventDispatcher))
        return;
    if (install && !fEventWatcher) {
        fEventWatcher = InterfacePtr<IEventWatcher>(CreateObject2<IEventWatcher>(kNotesUIEventWatcherBoss));
        if (NOTES_CHECK_NIL(fEventWatcher.get()))
            eventDispatcher->AddEventWatcher(fEventWatcher);
    } else if (!install && fEventWatcher) {
        eventDispatcher->RemoveEventWatcher(fEventWatcher);
        fEventWatcher = InterfacePtr<IEventWatcher>();
    }
}

void NotesUINotesPanelWidgetObserver::Update(ClassID theChange, ISubject* theSubject, PMIID protocol, void*) {
    InterfacePtr<IControlView> widget(theSubject, IID_ICONTROLVIEW);
    if (!widget)
        return;
    const WidgetID id = widget->GetWidgetID();
    if (protocol == IID_ITRISTATECONTROLDATA && id == kNotesUICreateNoteWidgetID) {
        fCreatingNotes = theChange == kTrueStateMessage;
        return;
    }
    if (protocol != IID_IBOOLEANCONTROLDATA || theChange != kTrueStateMessage)
        return;
    if (id == kNotesUIAcceptIconWidgetID)
        ActionManager::Instance().DoAction(kNotesUIAcceptActionID);
    else if (id == kNotesUIRejectIconWidgetID)
        ActionManager::Instance().DoAction(kNotesUIRejectActionID);
    else if (id == kNotesUIRemoveIconWidgetID)
        RemoveSelectedAnnotations();
}

void NotesUINotesPanelWidgetObserver::RemoveSelectedAnnotations() {
    IDataBase* db = NotesUITreeNodes::FrontDataBase();
    InterfacePtr<ITreeViewController> treeViewController = NotesUINotesPanel::TreeViewController();
    if (!NOTES_CHECK_NIL(db) || !NOTES_CHECK_NIL(treeViewController))
        return;
    NodeIDList selection;
    treeViewController->GetSelectedItems(selection);
    UIDList annotations(db);
    for (const NodeID& node : selection)
        if (NotesUITreeNodes::IsAnnotationNode(node))
            annotations.Append(NotesUITreeNodes::RefOf(node).GetUID());
    if (annotations.IsEmpty())
        return;
    InterfacePtr<ICommand> deleteAnnotationCmd(CmdUtils::CreateCommand(kNotesDeleteAnnotationCmdBoss));
    if (!NOTES_CHECK_NIL(deleteAnnotationCmd))
        return;
    deleteAnnotationCmd->SetItemList(annotations);
    if (CmdUtils::ProcessCommand(deleteAnnotationCmd) != kSuccess)
        NOTES_LOG_FAILED("deleteAnnotationCmd");
}
