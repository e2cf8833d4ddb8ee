#include "NotesUIStartupShutdownProvider.h"

#include "NotesFailureLog.h"
#include "QuillpaneID.h"
#include "host/notify/IObserver.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"

void NotesUIStartupShutdownProvider::AttachObserver(bool attach) {
    IPMUnknown* application = GetApplicationObject();
    if (!NOTES_CHECK_NIL(application))
        return;
    InterfacePtr<IObserver> commandProcessorObserver(application, IID_INOTESUICOMMANDPROCESSOROBSERVER);
    if (!NOTES_CHECK_NIL(commandProcessorObserver))
        return;
    if (attach)
        commandProcessorObserver->AutoAttach();
    else
        commandProcessorObserver->AutoDetach();
}
