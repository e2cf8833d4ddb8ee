#include "CountingAlertResponder.h"

#include "host/ui/CAlert.h"

CountingAlertResponder::CountingAlertResponder() : fNext(CAlert::GetResponder()) {
    CAlert::SetResponder(this);
}

CountingAlertResponder::~CountingAlertResponder() {
    CAlert::SetResponder(fNext);
}

int16 CountingAlertResponder::Answer(const AlertRequest& request) {
    if (request.kind == AlertRequest::kError)
        ++fErrors;
    return fNext ? fNext->Answer(request) : request.defaultButton;
}
