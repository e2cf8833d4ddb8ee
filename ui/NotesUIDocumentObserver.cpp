#include "NotesUIDocumentObserver.h"

#include "INotesAnnotsManager.h"
#include "NotesUIFailureLog.h"
#include "NotesUINotesPanel.h"
#include "NotesUITreeNodes.h"
#include "QuillpaneID.h"
#include "host/commands/CommandProcessorProtocol.h"
#include "host/database/IDataBase.h"
#include "host/notify/ISubject.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"

namespace {
// The document-subject protocols that announce annotation changes.
constexpr PMIID kDocumentProtocols[] = {IID_INOTESANNOTATION, IID_INOTESANNOTATIONLIST};

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

void NotesUIDocumentObserver::AutoAttach() {
    InterfacePtr<ISubject> subject(this, IID_ISUBJECT);
    InterfacePtr<ISubject> applicationSubject(GetApplicationObject(), IID_ISUBJECT);
    if (!NOTES_UI_CHECK_NIL(subject) || !NOTES_UI_CHECK_NIL(applicationSubject))
        return;
    for (PMIID protocol : kDocumentProtocols)
        Attach(subject, this, protocol, true);
    Attach(applicationSubject, this, IID_ICOMMANDPROCESSOR, true);
}

void NotesUIDocumentObserver::AutoDetach() {
    InterfacePtr<ISubject> subject(this, IID_ISUBJECT);
    InterfacePtr<ISubject> applicationSubject(GetApplicationObject(), IID_ISUBJECT);
    if (!NOTES_UI_CHECK_NIL(subject) || !NOTES_UI_CHECK_NIL(applicationSubject))
        return;
    for (PMIID protocol : kDocumentProtocols)
        Attach(subject, this, protocol, false);
    Attach(applicationSubject, this, IID_ICOMMANDPROCESSOR, false);
}

bool NotesUIDocumentObserver::IsFrontDocument() const {
    IDataBase* front = NotesUITreeNodes::FrontDataBase();
    return front && front == ::GetDataBase(this);
}

void NotesUIDocumentObserver::InvalidateAnnotationLists() const {
    InterfacePtr<INotesAnnotsManager> annotsManager(this, IID_INOTESANNOTSMANAGER);
    if (NOTES_UI_CHECK_NIL(annotsManager))
        annotsManager->InvalidateAnnotationLists();
}

void NotesUIDocumentObserver::Update(ClassID theChange, ISubject*, PMIID protocol, void*) {
    if (!IsFrontDocument() || !NotesUINotesPanel::IsShown())
        return;
    if (protocol == IID_ICOMMANDPROCESSOR &&
        (theChange == kCommandUndoneMessage || theChange == kCommandRedoneMessage))
        InvalidateAnnotationLists();
    NotesUINotesPanel::RebuildIfShown();
}
