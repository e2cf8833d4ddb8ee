#include "host/ui/RangeProgressBar.h"

#include <algorithm>

#include "host/ui/ProgressReporter.h"

namespace {
ProgressReporter* gReporter = nullptr;
}

namespace ProgressBarManager {
void SetReporter(ProgressReporter* reporter) {
    gReporter = reporter;
}
ProgressReporter* GetReporter() {
    return gReporter;
}
} // namespace ProgressBarManager

RangeProgressBar::RangeProgressBar(const PMString& title, int32 minimum, int32 maximum)
    : fTitle(title), fMinimum(minimum), fMaximum(std::max(minimum, maximum)), fPosition(minimum) {
    fTitle.Translate();
    if (gReporter)
        gReporter->Begin(fTitle, fMinimum, fMaximum);
}

RangeProgressBar::~RangeProgressBar() {
    if (gReporter)
        gReporter->End();
}

void RangeProgressBar::SetPosition(int32 position) {
    fPosition = std::clamp(position, fMinimum, fMaximum);
    if (gReporter)
        gReporter->Update(fTitle, fTask, fPosition);
}

void RangeProgressBar::SetTaskText(const PMString& task) {
    fTask = task;
    fTask.Translate();
    if (gReporter)
        gReporter->Update(fTitle, fTask, fPosition);
}
