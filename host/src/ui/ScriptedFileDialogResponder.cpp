#include "host/ui/ScriptedFileDialogResponder.h"

ScriptedFileDialogResponder::ScriptedFileDialogResponder() : fPrevious(FileDialogResponder::Get()) {
    FileDialogResponder::Set(this);
}

ScriptedFileDialogResponder::~ScriptedFileDialogResponder() {
    FileDialogResponder::Set(fPrevious);
}

std::optional<std::vector<IDFile>> ScriptedFileDialogResponder::Answer(const FileDialogRequest& request) {
    fRequests.push_back(request);
    if (fAnswers.empty())
        return std::nullopt;
    const bool cancelled = !fAnswers.front().has_value();
    std::vector<IDFile> files = cancelled ? std::vector<IDFile>() : std::move(*fAnswers.front());
    fAnswers.pop_front();
    if (cancelled)
        return std::nullopt;
    return files;
}
