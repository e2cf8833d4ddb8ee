// ConsoleAlertResponder: prints warnings and errors to standard error and answers each question with
// its default button, or with the button given on the command line.
#pragma once

#include "host/ui/AlertResponder.h"

class ConsoleAlertResponder final : public AlertResponder {
public:
    // answer 0 means "the default button".
    explicit ConsoleAlertResponder(int16 answer = 0) : fAnswer(answer) {}
    int16 Answer(const AlertRequest& request) override;

private:
    int16 fAnswer;
};
