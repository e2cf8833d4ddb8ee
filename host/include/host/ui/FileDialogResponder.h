// FileDialogResponder: answers the open-file dialogs of the host; a front end or a script installs one.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/util/IDFile.h"
#include "host/util/PMString.h"

struct FileDialogRequest {
    struct Filter {
        PMString family;
        std::string extension;
    };
    PMString title;
    std::vector<Filter> filters;
    IDFile defaultLocation;
    bool allowMultiple = false;
};

class FileDialogResponder {
public:
    virtual ~FileDialogResponder() = default;
    // The files chosen, or nothing when the user cancelled.
    virtual std::optional<std::vector<IDFile>> Answer(const FileDialogRequest& request) = 0;

    // Installs the responder (nullptr: every file dialog is cancelled).
    static void Set(FileDialogResponder* responder);
    static FileDialogResponder* Get();
};
