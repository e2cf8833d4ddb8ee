#include "NotesUIResponderServiceProvider.h"

#include "host/objectmodel/HostIDs.h"

void NotesUIResponderServiceProvider::GetName(PMString* name) {
    if (name)
        *name = PMString("NotesUI Responder Service");
}

void NotesUIResponderServiceProvider::GetServiceIDs(std::vector<ServiceID>& serviceIDs) {
    serviceIDs = {kAfterNewDocSignalResponderService,     kAfterOpenDocSignalResponderService,
                  kBeforeCloseDocSignalResponderService,  kBeforeSaveDocSignalResponderService,
                  kBeforeSaveAsDocSignalResponderService, kBeforeSaveACopyDocSignalResponderService};
}
