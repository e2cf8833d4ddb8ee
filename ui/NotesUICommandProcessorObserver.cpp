#include "NotesUICommandProcessorObserver.h"

#include "INotesAnnotsManager.h"
#include "NotesFailureLog.h"
#include "NotesUINotesPanel.h"
#include "NotesUITreeNodes.h"
#include "host/commands/CommandProcessorProtocol.h"
#include "host/database/IDataBase.h"
#include "host/notify/ISubject.h"
#include "host/objectmodel/InterfacePtr.h"

void NotesUICommandProcessorObserver::AutoAttach() {
    Attach(true);
}

void NotesUICommandProcessorObserver::AutoDetach() {
    Attach(false);
}

void NotesUICommandProcessorObserver::Attach(bool attach) {
    InterfacePtr<ISubject> subject(this, IID_ISUBJECT);
    if (!subject)
        return;
    const bool attached =
        subject->IsAttached(this, IID_ICOMMANDPROCESSOR, IID_INOTESUICOMMANDPROCESSOROBSERVER);
    if (attach && !attached)
        subject->AttachObserver(this, IID_ICOMMANDPROCESSOR, IID_INOTESUICOMMANDPROCESSOROBSERVER);
    else if (!attach && attached)
        subject->DetachObserver(this, IID_ICOMMANDPROCESSOR, IID_INOTESUICOMMANDPROCESSOROBSERVER);
}

void NotesUICommandProcessorObserver::Update(ClassID theChange, ISubject*, PMIID protocol, void*) {
    if (protocol != IID_ICOMMANDPROCESSOR || !NotesUINotesPanel::IsShown())
        return;
    IDataBase* db = NotesUITreeNodes::FrontDataBase();
    if (!db)
        return;
    InterfacePtr<INotesAnnotsManager> annotsManager(UIDRef(db, db->GetRootUID()), IID_INOTESANNOTSMANAGER);
    if (!annotsManager)
        return;
    if (theChange == kCommandUndoneMessage || theChange == kCommandRedoneMessage)
        annotsManager->InvalidateAnnotationLists();
    NotesUINotesPanel::RebuildIfShown();
}
