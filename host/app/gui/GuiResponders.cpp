#include "GuiResponders.h"

#include "host/ui/CAlert.h"

GuiResponders::GuiResponders(bool interactiveAlerts)
    : fPreviousAlerts(CAlert::GetResponder()), fPreviousFiles(FileDialogResponder::Get()),
      fPreviousProgress(ProgressBarManager::GetReporter()), fInteractiveAlerts(interactiveAlerts) {
    if (fInteractiveAlerts)
        CAlert::SetResponder(&fAlerts);
    FileDialogResponder::Set(&fFiles);
    ProgressBarManager::SetReporter(&fProgress);
}

GuiResponders::~GuiResponders() {
    if (fInteractiveAlerts)
        CAlert::SetResponder(fPreviousAlerts);
    FileDialogResponder::Set(fPreviousFiles);
    ProgressBarManager::SetReporter(fPreviousProgress);
}
