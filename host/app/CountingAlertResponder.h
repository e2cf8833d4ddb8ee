// CountingAlertResponder: stands in front of the installed alert responder for its lifetime, hands it
// every alert and counts the errors, so that a front end knows whether what it drove went wrong.
#pragma once

#include "host/ui/AlertResponder.h"

class CountingAlertResponder final : public AlertResponder {
public:
    CountingAlertResponder();
    ~CountingAlertResponder() override;
    CountingAlertResponder(const CountingAlertResponder&) = delete;
    CountingAlertResponder& operator=(const CountingAlertResponder&) = delete;

    int16 Answer(const AlertRequest& request) override;
    int32 GetErrorCount() const { return fErrors; }

private:
    AlertResponder* fNext;
    int32 fErrors = 0;
};
