// ConsoleProgressReporter: shows a progress bar as one line on standard error, rewritten in place.
#pragma once

#include "host/ui/ProgressReporter.h"

class ConsoleProgressReporter final : public ProgressReporter {
public:
    void Begin(const PMString& title, int32 minimum, int32 maximum) override;
    void Update(const PMString& title, const PMString& task, int32 position) override;
    void End() override;

private:
    int32 fMinimum = 0;
    int32 fMaximum = 0;
    bool fShown = false;
};
