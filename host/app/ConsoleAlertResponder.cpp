#include "ConsoleAlertResponder.h"

#include <cstdio>
#include <strings.h>

int16 ConsoleAlertResponder::Answer(const AlertRequest& request) {
    const char* label = "note";
    switch (request.kind) {
    case AlertRequest::kWarning:
        label = "warning";
        break;
    case AlertRequest::kError:
        label = "error";
        break;
    case AlertRequest::kInformation:
        label = "note";
        break;
    case AlertRequest::kQuestion:
        label = "question";
        break;
    }
    std::fprintf(stderr, "pagehost: %s: %s\n", label, request.message.GetUTF8String().c_str());
    if (request.kind != AlertRequest::kQuestion)
        return 1;
    const int16 answer = ButtonOf(request);
    if (answer >= 1 && answer <= static_cast<int16>(request.buttons.size()))
        std::fprintf(stderr, "pagehost: answered \"%s\"\n",
                     request.buttons[static_cast<size_t>(answer - 1)].GetUTF8String().c_str());
    return answer;
}

int16 ConsoleAlertResponder::ButtonOf(const AlertRequest& request) {
    const auto buttons = static_cast<int16>(request.buttons.size());
    if (!fNextAnswers.empty()) {
        const std::string wanted = fNextAnswers.front();
        fNextAnswers.pop_front();
        for (int16 button = 1; button <= buttons; ++button)
            if (strcasecmp(request.buttons[static_cast<size_t>(button - 1)].GetUTF8String().c_str(),
                           wanted.c_str()) == 0)
                return button;
    }
    return fAnswer > 0 && fAnswer <= buttons ? fAnswer : request.defaultButton;
}
