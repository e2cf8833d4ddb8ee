// ScriptedAlertResponder: answers alerts from a script of button numbers and records what was asked.
// Tests install it; an exhausted script answers with the default button.
#pragma once

#include <deque>
#include <vector>

#include "host/ui/AlertResponder.h"

class ScriptedAlertResponder final : public AlertResponder {
public:
    void QueueAnswer(int16 button) { fAnswers.push_back(button); }
    int16 Answer(const AlertRequest& request) override;
    const std::vector<AlertRequest>& GetRequests() const { return fRequests; }
    void Clear();

private:
    std::deque<int16> fAnswers;
    std::vector<AlertRequest> fRequests;
};

// Installs a responder for a scope and puts the previous one back.
class ScopedAlertResponder {
public:
    explicit ScopedAlertResponder(AlertResponder* responder);
    ~ScopedAlertResponder();
    ScopedAlertResponder(const ScopedAlertResponder&) = delete;
    ScopedAlertResponder& operator=(const ScopedAlertResponder&) = delete;

private:
    AlertResponder* fPrevious;
};
