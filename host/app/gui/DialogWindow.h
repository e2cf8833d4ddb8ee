// DialogWindow: an open dialog of the host's UI toolkit drawn as a Qt dialog from its widgets.
// Its buttons are the dialog's own (OK validates and applies through the dialog's controller);
// the Qt dialog closes when the toolkit's dialog has closed, and closing it cancels the dialog.
#pragma once

#include <QDialog>

#include "host/objectmodel/InterfacePtr.h"
#include "host/ui/IDialog.h"

class PanelForm;

class DialogWindow : public QDialog {
    Q_OBJECT
public:
    DialogWindow(IDialog* dialog, QWidget* parent = nullptr);
    IDialog* GetDialog() const { return fDialog; }
    PanelForm* GetForm() const { return fForm; }
    // Shows the dialog's widgets again, and closes the window once the dialog is closed.
    void Refresh();
    void reject() override;

signals:
    // The user changed something through the dialog.
    void Changed();

private:
    InterfacePtr<IDialog> fDialog;
    PanelForm* fForm;
};
