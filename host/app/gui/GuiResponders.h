// GuiResponders: while it lives, the host's alerts, open-file dialogs and progress bars are
// answered by the window's message boxes, file chooser and progress dialog; the responders
// installed before are put back at the end. Without interactive alerts the alerts keep theirs.
#pragma once

#include "FileChooserResponder.h"
#include "MessageBoxResponder.h"
#include "ProgressDialogReporter.h"

class GuiResponders {
public:
    explicit GuiResponders(bool interactiveAlerts = true);
    ~GuiResponders();
    GuiResponders(const GuiResponders&) = delete;
    GuiResponders& operator=(const GuiResponders&) = delete;

    ProgressDialogReporter& GetProgress() { return fProgress; }

private:
    MessageBoxResponder fAlerts;
    FileChooserResponder fFiles;
    ProgressDialogReporter fProgress;
    AlertResponder* fPreviousAlerts;
    FileDialogResponder* fPreviousFiles;
    ProgressReporter* fPreviousProgress;
    bool fInteractiveAlerts;
};
