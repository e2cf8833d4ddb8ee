// ConsoleAlertResponder: prints warnings and errors to standard error and answers each question with
// its default button, or with the button given on the command line.
#pragma once

#include <deque>
#include <string>

#include "host/ui/AlertResponder.h"

class ConsoleAlertResponder final : public AlertResponder {
public:
    // answer 0 means "the default button".
    explicit ConsoleAlertResponder(int16 answer = 0) : fAnswer(answer) {}
    int16 Answer(const AlertRequest& request) override;
    // The next question is answered with the button of this text (any case), when it has one.
    void AnswerNextWith(const std::string& buttonText) { fNextAnswers.push_back(buttonText); }

private:
    int16 ButtonOf(const AlertRequest& request);

    int16 fAnswer;
    std::deque<std::string> fNextAnswers;
};
