#include "ConsoleProgressReporter.h"

#include <cstdio>

void ConsoleProgressReporter::Begin(const PMString& title, int32 minimum, int32 maximum) {
    fMinimum = minimum;
    fMaximum = maximum;
    Update(title, PMString(), minimum);
}

void ConsoleProgressReporter::Update(const PMString& title, const PMString& task, int32 position) {
    const int32 span = fMaximum > fMinimum ? fMaximum - fMinimum : 1;
    const int percent = static_cast<int>(100LL * (position - fMinimum) / span);
    std::fprintf(stderr, "\r%s %s %3d%%", title.GetUTF8String().c_str(), task.GetUTF8String().c_str(),
                 percent);
    std::fflush(stderr);
    fShown = true;
}

void ConsoleProgressReporter::End() {
    if (fShown)
        std::fprintf(stderr, "\n");
    fShown = false;
}
