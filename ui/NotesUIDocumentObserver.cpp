#include "NotesUIDocumentObserver.h"

#include "INotesAnnotation.h"
#include "INotesAnnotationLayout.h"
#include "INotesAnnotationList.h"
#include "INotesAnnotsManager.h"
#include "NotesFailureLog.h"
#include "NotesUINotesPanel.h"
#include "NotesUITreeNodes.h"
#include "QuillpaneID.h"
#include "host/commands/CommandProcessorProtocol.h"
#include "host/commands/ICommand.h"
#include "host/database/IDataBase.h"
#include "host/notify/ISubject.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/ITriStateControlData.h"

namespace {
// The document-subject protocol that announces page items about to go. Annotation changes need no
// protocol of their own: the end of each step rebuilds the tree (the command-processor observer).
constexpr PMIID kDocumentProtocols[] = {IID_IHIERARCHY_DOCUMENT};

void Attach(ISubject* subject, IObserver* observer, PMIID protocol, bool attach) {
    const bool attached = subject->IsAttached(observer, protocol, IID_INOTESUIDOCUMENTOBSERVER);
    if (attach && !attached)
        subject->AttachObserver(observer, protocol, IID_INOTESUIDOCUMENTOBSERVER);
    else if (!attach && attached)
        subject->DetachObserver(observer, protocol, IID_INOTESUIDOCUMENTOBSERVER);
}
} // namespace

NotesUIDocumentObserver::NotesUIDocumentObserver(IPMUnknown* boss)
    : CObserver(boss, IID_INOTESUIDOCUMENTOBSERVER) {}

NotesUIDocumentObserver::~NotesUIDocumentObserver() {
    IPMUnknown* application = GetApplicationObject();
    InterfacePtr<ISubject> applicationSubject(application, IID_ISUBJECT);
    if (applicationSubject)
        Attach(applicationSubject, this, IID_ICOMMANDPROCESSOR, false);
}

void NotesUIDocumentObserver::AutoAttach() {
    InterfacePtr<ISubject> subject(this, IID_ISUBJECT);
    InterfacePtr<ISubject> applicationSubject(GetApplicationObject(), IID_ISUBJECT);
    if (!NOTES_CHECK_NIL(subject) || !NOTES_CHECK_NIL(applicationSubject))
        return;
    for (PMIID protocol : kDocumentProtocols)
        Attach(subject, this, protocol, true);
    Attach(applicationSubject, this, IID_ICOMMANDPROCESSOR, true);
}

void NotesUIDocumentObserver::AutoDetach() {
    InterfacePtr<ISubject> subject(this, IID_ISUBJECT);
    InterfacePtr<ISubject> applicationSubject(GetApplicationObject(), IID_ISUBJECT);
    if (!NOTES_CHECK_NIL(subject) || !NOTES_CHECK_NIL(applicationSubject))
        return;
    for (PMIID protocol : kDocumentProtocols)
        Attach(subject, this, protocol, false);
    Attach(applicationSubject, this, IID_ICOMMANDPROCESSOR, false);
}

bool NotesUIDocumentObserver::IsFrontDocument() const {
    IDataBase* front = NotesUITreeNodes::FrontDataBase();
    return front && front == ::GetDataBase(this);
}

void NotesUIDocumentObserver::BeforeDelete(const ICommand* deleteCmd) const {
    const UIDList* items = deleteCmd ? deleteCmd->GetItemList() : nullptr;
    if (!items || items->IsEmpty() || deleteCmd->GetCommandState() != ICommand::kNotDone)
        return;
    InterfacePtr<ITreeViewMgr> treeViewMgr = NotesUINotesPanel::TreeViewMgr();
    if (!NOTES_CHECK_NIL(treeViewMgr))
        return;
    NodeIDList leaving;
    for (int32 i = 0; i < items->Length(); ++i) {
        InterfacePtr<INotesAnnotation> annotation(items->GetRef(i), IID_INOTESANNOTATION);
        InterfacePtr<INotesAnnotationLayout> layout(items->GetRef(i), IID_INOTESANNOTATIONLAYOUT);
        if (!annotation || annotation->GetType() == INotesAnnotation::kPopupAnnotation || !layout)
            continue;
        InterfacePtr<INotesAnnotationList> annotationList(UIDRef(items->GetDataBase(), layout->GetPageUID()),
                                                          IID_INOTESANNOTATIONLIST);
        if (NOTES_CHECK_NIL(annotationList))
            annotationList->Invalidate();
        annotation->HidePopup();
        leaving.push_back(NotesUITreeNodes::NodeOf(items->GetDataBase(), items->At(i)));
    }
    for (const NodeID& node : leaving)
        treeViewMgr->BeforeNodeDeleted(node);
}

void NotesUIDocumentObserver::NewStickyNoteDone(const ICommand* newStickyNoteCmd) {
    InterfacePtr<ITriStateControlData> triStateControlData(
        NotesUINotesPanel::FindWidget(kNotesUICreateNoteWidgetID), IID_ITRISTATECONTROLDATA);
    if (NOTES_CHECK_NIL(triStateControlData))
        triStateControlData->Deselect();
    if (!NOTES_CHECK_TRUE(newStickyNoteCmd->GetItemList()->Length() == 1))
        return;
    const UIDList* items = newStickyNoteCmd->GetItemList();
    NotesUINotesPanel::ShowNewAnnotation(items->GetRef(0));
}

void NotesUIDocumentObserver::Update(ClassID theChange, ISubject*, PMIID protocol, void* changedBy) {
    if (!IsFrontDocument())
        return;
    const auto* command = static_cast<const ICommand*>(changedBy);
    if (protocol == IID_ICOMMANDPROCESSOR && theChange == kCommandDoneMessage && command &&
        ::GetClass(command) == kNotesNewStickyNoteCmdBoss) {
        NewStickyNoteDone(command);
        return;
    }
    if (!NotesUINotesPanel::IsShown())
        return;
    // Nodes leave the tree while their objects can still be read; the step's end rebuilds it.
    if (protocol == IID_IHIERARCHY_DOCUMENT && theChange == kBeforeDeleteChangeClass)
        BeforeDelete(static_cast<const ICommand*>(changedBy));
}
