#include "DialogWindow.h"

#include <QVBoxLayout>

#include "PanelForm.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/ui/IControlView.h"
#include "host/ui/IDialog.h"
#include "host/ui/IPanelControlData.h"
#include "host/ui/ITextControlData.h"

DialogWindow::DialogWindow(IDialog* dialog, QWidget* parent)
    : QDialog(parent), fDialog(dialog, IID_IDIALOG), fForm(new PanelForm(dialog->GetDialogPanel(), this)) {
    setObjectName(QStringLiteral("toolkitDialog"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fForm);
    InterfacePtr<ITextControlData> title(dialog->GetDialogPanel(), IID_ITEXTCONTROLDATA);
    setWindowTitle(title ? QString::fromStdString(title->GetString().GetUTF8String())
                         : QStringLiteral("pagehost"));
    connect(fForm, &PanelForm::Changed, this, [this] {
        Refresh();
        emit Changed();
    });
}

void DialogWindow::Refresh() {
    if (!fDialog->IsOpen()) {
        done(QDialog::Accepted);
        return;
    }
    fForm->Refresh();
}

void DialogWindow::reject() {
    if (fDialog->IsOpen())
        fDialog->PressCancel();
    QDialog::reject();
    emit Changed();
}
