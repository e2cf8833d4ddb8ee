#include "MessageBoxResponder.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <vector>

namespace {
QMessageBox::Icon IconFor(AlertRequest::Kind kind) {
    switch (kind) {
    case AlertRequest::kError:
        return QMessageBox::Critical;
    case AlertRequest::kInformation:
        return QMessageBox::Information;
    case AlertRequest::kQuestion:
        return QMessageBox::Question;
    case AlertRequest::kWarning:
        break;
    }
    return QMessageBox::Warning;
}
} // namespace

int16 MessageBoxResponder::Answer(const AlertRequest& request) {
    QMessageBox box(IconFor(request.kind), QStringLiteral("pagehost"),
                    QString::fromStdString(request.message.GetUTF8String()), QMessageBox::NoButton,
                    QApplication::activeWindow());
    std::vector<QPushButton*> buttons;
    for (const PMString& text : request.buttons)
        buttons.push_back(
            box.addButton(QString::fromStdString(text.GetUTF8String()), QMessageBox::ActionRole));
    if (buttons.empty())
        buttons.push_back(box.addButton(QMessageBox::Ok));
    const auto button = [&buttons](int16 number) {
        return number >= 1 && number <= static_cast<int16>(buttons.size()) ? buttons[number - 1] : nullptr;
    };
    if (QPushButton* defaultButton = button(request.defaultButton))
        box.setDefaultButton(defaultButton);
    // Closing the box without a button answers the cancel button, else the default one.
    const int16 escapeNumber = button(request.cancelButton)    ? request.cancelButton
                               : button(request.defaultButton) ? request.defaultButton
                                                               : int16(1);
    box.setEscapeButton(button(escapeNumber));
    box.exec();
    for (size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i])
            return static_cast<int16>(i + 1);
    return escapeNumber;
}
