#include "NotesDocumentServiceProvider.h"

#include "host/objectmodel/HostIDs.h"

void NotesDocumentServiceProvider::GetName(PMString* name) {
    if (name)
        *name = PMString("Notes Document Responder Service");
}

void NotesDocumentServiceProvider::GetServiceIDs(std::vector<ServiceID>& serviceIDs) {
    serviceIDs = {kAfterNewDocSignalResponderService,     kAfterOpenDocSignalResponderService,
                  kBeforeCloseDocSignalResponderService,  kBeforeSaveDocSignalResponderService,
                  kBeforeSaveAsDocSignalResponderService, kBeforeSaveACopyDocSignalResponderService};
}
