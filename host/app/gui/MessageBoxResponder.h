// MessageBoxResponder: answers the host's alerts and questions with a message box over the active
// window; a question offers its buttons in order, with its default and cancel buttons.
#pragma once

#include "host/ui/AlertResponder.h"

class MessageBoxResponder final : public AlertResponder {
public:
    int16 Answer(const AlertRequest& request) override;
};
