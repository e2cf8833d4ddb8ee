#include "host/ui/ScriptedAlertResponder.h"

#include "host/ui/CAlert.h"

int16 ScriptedAlertResponder::Answer(const AlertRequest& request) {
    fRequests.push_back(request);
    if (request.kind != AlertRequest::kQuestion)
        return 1;
    if (fAnswers.empty())
        return request.defaultButton;
    const int16 answer = fAnswers.front();
    fAnswers.pop_front();
    return answer;
}

void ScriptedAlertResponder::Clear() {
    fAnswers.clear();
    fRequests.clear();
}

ScopedAlertResponder::ScopedAlertResponder(AlertResponder* responder) : fPrevious(CAlert::GetResponder()) {
    CAlert::SetResponder(responder);
}

ScopedAlertResponder::~ScopedAlertResponder() {
    CAlert::SetResponder(fPrevious);
}
