#include "ProgressDialogReporter.h"

#include <QApplication>
#include <QCoreApplication>

ProgressDialogReporter::~ProgressDialogReporter() {
    delete fDialog;
}

void ProgressDialogReporter::Begin(const PMString& title, int32 minimum, int32 maximum) {
    delete fDialog;
    fDialog = new QProgressDialog(QString::fromStdString(title.GetUTF8String()), QString(), minimum, maximum,
                                  QApplication::activeWindow());
    fDialog->setWindowTitle(QStringLiteral("pagehost"));
    // Modal so that no gesture reaches the document while the operation runs between events.
    fDialog->setWindowModality(Qt::ApplicationModal);
    fDialog->setMinimumDuration(0);
    fDialog->setValue(minimum);
    ++fBegun;
    QCoreApplication::processEvents();
}

void ProgressDialogReporter::Update(const PMString& title, const PMString& task, int32 position) {
    if (!fDialog)
        return;
    const std::string text = task.IsEmpty() ? title.GetUTF8String() : task.GetUTF8String();
    fDialog->setLabelText(QString::fromStdString(text));
    fDialog->setValue(position);
    QCoreApplication::processEvents();
}

void ProgressDialogReporter::End() {
    delete fDialog;
    QCoreApplication::processEvents();
}
