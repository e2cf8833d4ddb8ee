// ScriptedFileDialogResponder: answers open-file dialogs from a script of answers and records what
// was asked; an exhausted script cancels. Tests and the command line install it for a scope.
#pragma once

#include <deque>

#include "host/ui/FileDialogResponder.h"

class ScriptedFileDialogResponder final : public FileDialogResponder {
public:
    ScriptedFileDialogResponder();
    ~ScriptedFileDialogResponder() override;
    ScriptedFileDialogResponder(const ScriptedFileDialogResponder&) = delete;
    ScriptedFileDialogResponder& operator=(const ScriptedFileDialogResponder&) = delete;

    void QueueFiles(std::vector<IDFile> files) { fAnswers.emplace_back(std::move(files)); }
    void QueueCancel() { fAnswers.emplace_back(std::nullopt); }
    std::optional<std::vector<IDFile>> Answer(const FileDialogRequest& request) override;
    const std::vector<FileDialogRequest>& GetRequests() const { return fRequests; }

private:
    std::deque<std::optional<std::vector<IDFile>>> fAnswers;
    std::vector<FileDialogRequest> fRequests;
    FileDialogResponder* fPrevious;
};
