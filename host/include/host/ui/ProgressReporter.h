// ProgressReporter: shows the progress bars of long operations; the application installs one.
#pragma once

#include "host/util/PMString.h"

class ProgressReporter {
public:
    virtual ~ProgressReporter() = default;
    virtual void Begin(const PMString& title, int32 minimum, int32 maximum) = 0;
    virtual void Update(const PMString& title, const PMString& task, int32 position) = 0;
    virtual void End() = 0;
};

namespace ProgressBarManager {
void SetReporter(ProgressReporter* reporter);
ProgressReporter* GetReporter();
} // namespace ProgressBarManager
