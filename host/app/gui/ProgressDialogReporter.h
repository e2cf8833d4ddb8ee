// ProgressDialogReporter: shows the host's progress bars as a progress dialog that blocks other
// input to the window while it lets the window repaint.
#pragma once

#include <QPointer>
#include <QProgressDialog>

#include "host/ui/ProgressReporter.h"

class ProgressDialogReporter final : public ProgressReporter {
public:
    ~ProgressDialogReporter() override;
    void Begin(const PMString& title, int32 minimum, int32 maximum) override;
    void Update(const PMString& title, const PMString& task, int32 position) override;
    void End() override;
    // The dialog shown, or nullptr between Begin and End (for tests).
    QProgressDialog* GetDialog() const { return fDialog; }
    // How many progress dialogs were begun.
    int32 CountBegun() const { return fBegun; }

private:
    QPointer<QProgressDialog> fDialog;
    int32 fBegun = 0;
};
