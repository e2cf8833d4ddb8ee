// CAlert: warnings, errors and questions to the user, answered by the installed AlertResponder.
#pragma once

#include "host/ui/AlertResponder.h"

namespace CAlert {
void WarningAlert(const PMString& message);
void ErrorAlert(const PMString& message);
void InformationAlert(const PMString& message);
// Asks with up to three buttons; answers the 1-based button chosen. Without a responder the
// default button is the answer.
int16 ModalAlert(const PMString& message, const PMString& button1, const PMString& button2,
                 const PMString& button3, int16 defaultButton, int16 cancelButton);

// Installs the responder (nullptr: answer every question with its default button, print nothing).
void SetResponder(AlertResponder* responder);
AlertResponder* GetResponder();
// Button texts the host offers.
extern const char* const kOkString;
extern const char* const kCancelString;
extern const char* const kYesString;
extern const char* const kNoString;
} // namespace CAlert
