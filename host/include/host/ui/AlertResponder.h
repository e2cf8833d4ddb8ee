// AlertResponder: answers the alerts and questions of the host; the application installs one.
#pragma once

#include <vector>

#include "host/util/PMString.h"

struct AlertRequest {
    enum Kind { kWarning, kError, kInformation, kQuestion };
    Kind kind = kWarning;
    PMString message;
    std::vector<PMString> buttons; // for a question, in order; answers are 1-based
    int16 defaultButton = 1;
    int16 cancelButton = 0;
};

class AlertResponder {
public:
    virtual ~AlertResponder() = default;
    // Answers the button chosen (1-based); warnings and errors answer 1.
    virtual int16 Answer(const AlertRequest& request) = 0;
};
