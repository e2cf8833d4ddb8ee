#include "host/ui/CAlert.h"

namespace {
AlertResponder* gResponder = nullptr;

int16 Ask(AlertRequest request) {
    request.message.Translate();
    for (PMString& button : request.buttons)
        button.Translate();
    if (!gResponder)
        return request.defaultButton;
    return gResponder->Answer(request);
}

void Tell(AlertRequest::Kind kind, const PMString& message) {
    AlertRequest request;
    request.kind = kind;
    request.message = message;
    request.buttons = {PMString(CAlert::kOkString)};
    Ask(request);
}
} // namespace

namespace CAlert {
const char* const kOkString = "OK";
const char* const kCancelString = "Cancel";
const char* const kYesString = "Yes";
const char* const kNoString = "No";

void WarningAlert(const PMString& message) {
    Tell(AlertRequest::kWarning, message);
}
void ErrorAlert(const PMString& message) {
    Tell(AlertRequest::kError, message);
}
void InformationAlert(const PMString& message) {
    Tell(AlertRequest::kInformation, message);
}

int16 ModalAlert(const PMString& message, const PMString& button1, const PMString& button2,
                 const PMString& button3, int16 defaultButton, int16 cancelButton) {
    AlertRequest request;
    request.kind = AlertRequest::kQuestion;
    request.message = message;
    for (const PMString* button : {&button1, &button2, &button3})
        if (!button->IsEmpty())
            request.buttons.push_back(*button);
    request.defaultButton = defaultButton;
    request.cancelButton = cancelButton;
    return Ask(request);
}

void SetResponder(AlertResponder* responder) {
    gResponder = responder;
}
AlertResponder* GetResponder() {
    return gResponder;
}
} // namespace CAlert
